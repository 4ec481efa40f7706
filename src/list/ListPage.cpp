#include "ListPage.h"

#include "dates/Ages.h"
#include "dates/DateRules.h"
#include "platform/WindowRoutines.h"
#include "text/TextRoutines.h"
#include "text/TextTable.h"

#include <QRegularExpression>

QString DataDoNiver(const clsNiver &r, bool reminder, const QDate &today)
{
    const int day = ValorInteiro(r.Dia);
    const int month = ValorInteiro(r.Mes);
    const QDate d =
        reminder ? ProximaData(day, month, today) : ConstroiData(today.year(), month, day);
    return NomeDiaSemana(d.dayOfWeek() % 7 + 1).left(3) + u' ' + DiaMesCurto(d);
}

QString PaginaDaLista(const ListaNivers &nivers, int ordem, bool reminder, const QDate &today)
{
    if (nivers.isEmpty())
        return {};
    static const QRegularExpression lineBreak(QStringLiteral("<br>"),
                                              QRegularExpression::CaseInsensitiveOption);
    const QString prefix = Texto(607);
    QString prefixWithoutBreak = prefix;
    prefixWithoutBreak.remove(lineBreak);

    QString page = QStringLiteral("<HTML>");
    QString key = nivers.first().Mes;
    bool afterDetails = false;
    for (const clsNiver &r : nivers) {
        if (ordem == 1) {
            if (ValorInteiro(r.Mes) != ValorInteiro(key))
                page += QStringLiteral("<br>");
            key = r.Mes;
        } else if (ordem == 3) {
            if (r.Apelido.left(1).toUpper() != key.left(1).toUpper())
                page += QStringLiteral("<br>");
            key = r.Apelido.left(1);
        }
        const QString alias = EscapaHtml(r.Apelido);
        page += (afterDetails ? prefixWithoutBreak : prefix) + alias + QStringLiteral(" '>") +
                DataDoNiver(r, reminder, today) + QStringLiteral(" - ") + alias;
        if (reminder)
            page += TextoFaltam(r.Dia, r.Mes);
        page += QStringLiteral("</a>");

        afterDetails = !r.Email.isEmpty() || !r.Fone.isEmpty();
        if (afterDetails) {
            page += QStringLiteral("<font face='Tahoma' size='1' color='#0000FF'><ul>");
            if (!r.Email.isEmpty()) {
                // A real mail link: the address cannot add parameters or markup of its own.
                const QString target = EscapaHtml(LinkEmail(r.Email).toString(QUrl::FullyEncoded));
                page += QStringLiteral("<a title=\"") + Texto(624) + QStringLiteral("\" href='") +
                        target + QStringLiteral("'>") + EscapaHtml(r.Email) +
                        QStringLiteral("</a><br>");
            }
            if (!r.Fone.isEmpty())
                page += EscapaHtml(r.Fone) + QStringLiteral("<br>");
            page += QStringLiteral("</ul></font>");
        }
    }
    page += QStringLiteral("<br><hr><font face='Tahoma' size='1' color='#800000'>");
    if (reminder)
        page += QStringLiteral("<br>") + Texto(608) + QStringLiteral("<br>");
    page += QStringLiteral("<br>") + Texto(627) + QStringLiteral("<br>");
    page += QStringLiteral("</HTML>");
    return page;
}
