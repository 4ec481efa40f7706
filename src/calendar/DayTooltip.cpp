#include "DayTooltip.h"

#include "dates/Ages.h"
#include "dates/DateRules.h"
#include "dates/Signs.h"
#include "text/TextTable.h"

namespace {
const QString kLineEnd = QStringLiteral("\r\n");
}

TextoDica DicaDaCelula(const QDate &cellDate, const QString &line,
                       const std::optional<clsNiver> &found)
{
    const QString day = DoisDigitos(cellDate.day());
    const QString month = DoisDigitos(cellDate.month());
    QString signs = Texto(359) + SignoZodiacal(QString::number(cellDate.day()), month);
    TextoDica tip;
    QString chinese;
    if (!line.isEmpty()) {
        if (found) {
            const clsNiver &r = *found;
            tip.titulo = r.Pessoa != r.Apelido ? r.Apelido + QStringLiteral(" (") + r.Pessoa + u')'
                                               : r.Apelido;
            if (ValorNumerico(r.Ano) > 0) {
                const QDate birth =
                    ConstroiData(ValorInteiro(r.Ano), ValorInteiro(r.Mes), ValorInteiro(r.Dia));
                tip.texto += Texto(360) + DataCurta(birth) + kLineEnd;
            }
            const QString age = CalculaIdade(r.Ano, r.Mes, r.Dia, cellDate.year(), false);
            if (!age.isEmpty())
                tip.texto += Texto(361) + age + kLineEnd;
            if (!r.Email.isEmpty())
                tip.texto += Texto(679) + QStringLiteral(": ") + r.Email + kLineEnd;
            if (!r.Fone.isEmpty())
                tip.texto += Texto(680) + QStringLiteral(": ") + r.Fone + kLineEnd;
            chinese = SignoChines(r.Dia, r.Mes, r.Ano);
        }
    } else {
        tip.titulo = DataLonga(cellDate);
        chinese =
            SignoChines(day, month, QStringLiteral("%1").arg(cellDate.year(), 4, 10, QChar(u'0')));
    }
    if (!chinese.isEmpty())
        signs += kLineEnd + Texto(362) + chinese;
    tip.texto += signs;
    return tip;
}
