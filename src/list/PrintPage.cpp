#include "PrintPage.h"

#include "ListPage.h"
#include "app/Clock.h"
#include "app/DataFile.h"
#include "dates/Ages.h"
#include "dates/DateRules.h"
#include "msgbox/ParaBox.h"
#include "text/TextRoutines.h"
#include "text/TextTable.h"

#include <QFile>
#include <QSaveFile>

#include <array>
#include <functional>

namespace {

const QString kHead1 = QStringLiteral(
    "<html><head><meta http-equiv='Content-Type' content='text/html; charset=utf-8'></head>");
const QString kHead2 = QStringLiteral("<body>");
const QString kHead3 =
    QStringLiteral("<div align='center' style='font-family: Verdana; font-size: 10pt'>");
const QString kListTable =
    QStringLiteral("<table style='line-height: 140%' cellspacing='0' cellpadding='0' "
                   "style='font-family: Lucida Console; font-size: 10 pt'><tr><td>");
const QString kListEnd = QStringLiteral("</td></tr></table></div></body></html>");
const QString kGridTable = QStringLiteral(
    "<table style='line-height: 140%' bordercolor='#CCCCCC' cellspacing='0' "
    "cellpadding='3' border='1' style='font-family: Lucida Console; font-size: 10 pt'>");
const QString kGridEnd = QStringLiteral("</tr></table></div></body></html>");
const QString kRowBreak = QStringLiteral("</tr><tr>");

QString headerCell(const QString &text)
{
    return QStringLiteral("<td width='25%' bgcolor='#EEEEEE'><center><b>") + text +
           QStringLiteral("</td>");
}

constexpr std::array<const char16_t *, 12> kGroupNames = {
    u"A - B", u"C - D", u"E - F", u"G - H", u"I - J - K", u"L - M",
    u"N - O", u"P - Q", u"R - S", u"T - U", u"V - W",     u"X - Y - Z"};

// The first characters of groups 1 to 11; anything else is group 12.
constexpr std::array<const char16_t *, 11> kGroupLetters = {
    u"ABÁÀÄÃ", u"CDÇ", u"EFÉÈË", u"GH", u"IJKÍÌÏ", u"LM", u"NOÓÒÖÕ", u"PQ", u"RS", u"TUÚÙÜ", u"VW"};

// Writes the twelve cells of a table whose cell g holds the records of `inGroup`.
void writeGrid(QStringList &lines, const ListaNivers &lista,
               const std::function<QString(int)> &header,
               const std::function<bool(const clsNiver &, int)> &inGroup,
               const OpcoesImpressao &options, const QDate &today)
{
    lines << kGridTable << QStringLiteral("<tr>") << headerCell(header(1)) << headerCell(header(2))
          << headerCell(header(3)) << kRowBreak;
    for (int g = 1; g <= 12; ++g) {
        if (g == 4 || g == 7 || g == 10)
            lines << kRowBreak << headerCell(header(g)) << headerCell(header(g + 1))
                  << headerCell(header(g + 2)) << kRowBreak;
        lines << QStringLiteral("<td valign='top'>");
        bool any = false;
        for (const clsNiver &r : lista) {
            if (inGroup(r, g)) {
                lines << LinhaNiver(r, options, today);
                any = true;
            }
        }
        if (!any)
            lines << QStringLiteral("&nbsp;");
        lines << QStringLiteral("</td>");
    }
    lines << kGridEnd;
}

} // namespace

int GrupoLetra(const QString &alias)
{
    const QString first = alias.left(1).toUpper();
    if (first.isEmpty())
        return 12;
    for (int g = 0; g < static_cast<int>(kGroupLetters.size()); ++g) {
        if (QStringView(kGroupLetters[static_cast<size_t>(g)]).contains(first[0]))
            return g + 1;
    }
    return 12;
}

QString NomeGrupoLetra(int group)
{
    return QString::fromUtf16(kGroupNames[static_cast<size_t>(std::clamp(group, 1, 12) - 1)]);
}

QString LinhaNiver(const clsNiver &r, const OpcoesImpressao &options, const QDate &today)
{
    QString line = DataDoNiver(r, false, today) + QStringLiteral(" - ") + EscapaHtml(r.Apelido);
    if (options.comIdade && ValorNumerico(r.Ano) > 0)
        line += QStringLiteral(" (") + CalculaIdade(r.Ano, r.Mes, r.Dia, today.year()) + u')';
    if (!options.comEmail && !options.comFone)
        line += QStringLiteral("<br>");
    line += u' ';
    const bool email = options.comEmail && !r.Email.isEmpty();
    if (email)
        line += QStringLiteral(" | ") + EscapaHtml(r.Email);
    if (options.comFone && !r.Fone.isEmpty()) {
        if (email || !options.comEmail)
            line += QStringLiteral(" | ");
        line += EscapaHtml(r.Fone);
    }
    if (options.comEmail || options.comFone)
        line += QStringLiteral("<br>");
    return line;
}

QStringList PaginaImpressao(const ListaNivers &lista, int ordem, int mes, int estilo,
                            const OpcoesImpressao &options, const QDate &today)
{
    QStringList lines{kHead1, kHead2, kHead3};
    if (lista.isEmpty())
        return lines;
    if (estilo != 2) {
        lines << kListTable;
        QString letter;
        int month = 1;
        for (const clsNiver &r : lista) {
            if (ordem != 1) {
                if (r.Apelido.left(1).toUpper() != letter.toUpper()) {
                    lines << QStringLiteral("<br>");
                    letter = r.Apelido.left(1);
                }
            } else if (ValorInteiro(r.Mes) != month) {
                lines << QStringLiteral("<br>");
                month = ValorInteiro(r.Mes);
            }
            lines << LinhaNiver(r, options, today);
        }
        lines << kListEnd;
    } else if (ordem != 1) {
        writeGrid(
            lines, lista, NomeGrupoLetra,
            [](const clsNiver &r, int g) { return GrupoLetra(r.Apelido) == g; }, options, today);
    } else if (mes == 0) {
        writeGrid(
            lines, lista, NomeMes,
            [](const clsNiver &r, int g) { return ValorInteiro(r.Mes) == g; }, options, today);
    } else {
        lines << kGridTable << QStringLiteral("<tr>")
              << QStringLiteral("<td bgcolor='#EEEEEE'><center><b>") + NomeMes(mes) +
                     QStringLiteral("</td>")
              << kRowBreak << QStringLiteral("<td valign='top'>");
        for (const clsNiver &r : lista)
            lines << LinhaNiver(r, options, today);
        lines << QStringLiteral("</td>") << kGridEnd;
    }
    return lines;
}

bool GeraPaginaImpressao(const ListaNivers &lista, const QString &caminho, int ordem, int mes,
                         int estilo, const OpcoesImpressao &options)
{
    QFile::remove(caminho);
    const QStringList lines = PaginaImpressao(lista, ordem, mes, estilo, options, Clock::today());
    QSaveFile file(caminho);
    const QByteArray bytes = (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    ParaBox(Texto(1401), Texto(1402),
            Texto(1403) + QString::number(static_cast<int>(file.error())) + QStringLiteral(": ") +
                file.errorString(),
            BotoesOk, 1, IconeErro, 0, 0, {}, 0, {}, {}, 6000, 0);
    return false;
}

QString CaminhoPaginaImpressao()
{
    return Caminhos().pasta + u'/' + Texto(801);
}
