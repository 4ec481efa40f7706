#include "MonthModel.h"

#include "data/BirthdayStore.h"
#include "dates/DateRules.h"
#include "text/TextRoutines.h"
#include "text/TextTable.h"

namespace {

QString tagOf(int year, int month)
{
    return QStringLiteral("%1%2").arg(year, 4, 10, QChar(u'0')).arg(month, 2, 10, QChar(u'0'));
}

} // namespace

QDate MonthGrid::dataDaCelula(int cell) const
{
    return QDate(anoDaCelula(cell), mesDaCelula(cell).toInt(), dia[static_cast<size_t>(cell)]);
}

bool MonthGrid::doMesExibido(int cell) const
{
    return cell >= primeiroDiaSemana && cell < primeiroDiaSemana + DiasNoMes(mes, ano);
}

MonthGrid MontaGrade(int ano, int mes, const QDate &today)
{
    MonthGrid g;
    g.ano = ano;
    g.mes = mes;
    const int prevYear = mes == 1 ? ano - 1 : ano;
    const int prevMonth = mes == 1 ? 12 : mes - 1;
    const int nextYear = mes == 12 ? ano + 1 : ano;
    const int nextMonth = mes == 12 ? 1 : mes + 1;
    const QString previousTag = tagOf(prevYear, prevMonth);
    const QString currentTag = tagOf(ano, mes);
    const QString nextTag = tagOf(nextYear, nextMonth);

    g.primeiroDiaSemana = QDate(ano, mes, 1).dayOfWeek() % 7;
    const int n = DiasNoMes(mes, ano);
    const int p = DiasNoMes(prevMonth, prevYear);
    g.celulaMesAnterior.fill(MonthGrid::NotShown);
    g.celulaMes.fill(MonthGrid::NotShown);
    g.celulaMesSeguinte.fill(MonthGrid::NotShown);

    for (int i = g.primeiroDiaSemana - 1, d = p; i >= 0; --i, --d) {
        g.dia[static_cast<size_t>(i)] = d;
        g.tag[static_cast<size_t>(i)] = previousTag;
        g.celulaMesAnterior[static_cast<size_t>(d)] = i;
    }
    for (int i = g.primeiroDiaSemana, d = 1; d <= n; ++i, ++d) {
        g.dia[static_cast<size_t>(i)] = d;
        g.tag[static_cast<size_t>(i)] = currentTag;
        g.celulaMes[static_cast<size_t>(d)] = i;
    }
    for (int i = g.primeiroDiaSemana + n, d = 1; i < MonthGrid::Cells; ++i, ++d) {
        g.dia[static_cast<size_t>(i)] = d;
        g.tag[static_cast<size_t>(i)] = nextTag;
        g.celulaMesSeguinte[static_cast<size_t>(d)] = i;
    }
    if (today.year() == ano && today.month() == mes)
        g.celulaHoje = g.celulaMes[static_cast<size_t>(today.day())];
    return g;
}

std::array<QStringList, MonthGrid::Cells> EventosDoMes(const MonthGrid &grid,
                                                       const BirthdayStore &store)
{
    std::array<QStringList, MonthGrid::Cells> lists;
    const int prevMonth = grid.mes == 1 ? 12 : grid.mes - 1;
    const int nextMonth = grid.mes == 12 ? 1 : grid.mes + 1;
    const struct {
        int month;
        const std::array<int, 32> &cells;
    } months[] = {{prevMonth, grid.celulaMesAnterior},
                  {grid.mes, grid.celulaMes},
                  {nextMonth, grid.celulaMesSeguinte}};

    for (const auto &m : months) {
        const QString monthText = DoisDigitos(m.month);
        for (const clsNiver &niver : store.ConsultaNivers({}, monthText, OrdemArquivo)) {
            const double year = ValorNumerico(niver.Ano);
            if (year > 0 && year > grid.ano)
                continue; // not yet born in the displayed year
            const int day = ValorInteiro(niver.Dia);
            if (day < 1 || day > 31)
                continue;
            const int cell = m.cells[static_cast<size_t>(day)];
            if (cell == MonthGrid::NotShown || grid.mesDaCelula(cell) != monthText)
                continue;
            lists[static_cast<size_t>(cell)].append(niver.Apelido);
        }
    }
    return lists;
}

int DiaLimitado(int diaSelecionado, int mes, int ano)
{
    const int n = DiasNoMes(mes, ano);
    return n < diaSelecionado ? n : diaSelecionado;
}

int CelulaDoDiaOuUltimo(const MonthGrid &grid, int dia)
{
    const int cell =
        dia >= 1 && dia <= 31 ? grid.celulaMes[static_cast<size_t>(dia)] : MonthGrid::NotShown;
    if (cell != MonthGrid::NotShown)
        return cell;
    return grid.celulaMes[static_cast<size_t>(DiasNoMes(grid.mes, grid.ano))];
}

std::optional<int> CelulaVisivel(const MonthGrid &grid, int dia, int mes)
{
    if (dia < 1 || dia > 31)
        return std::nullopt;
    const auto at = [](const std::array<int, 32> &cells, int d) -> std::optional<int> {
        const int cell = cells[static_cast<size_t>(d)];
        return cell == MonthGrid::NotShown ? std::nullopt : std::optional<int>(cell);
    };
    const int firstMonth = grid.mesDaCelula(0).toInt();
    if (firstMonth != grid.mes && mes == firstMonth && dia >= grid.dia[0])
        return at(grid.celulaMesAnterior, dia);
    if (mes == grid.mes)
        return at(grid.celulaMes, dia);
    if (mes == grid.mesDaCelula(41).toInt() && mes != grid.mes && dia <= grid.dia[41])
        return at(grid.celulaMesSeguinte, dia);
    return std::nullopt;
}

ListaNivers RodaParaProximos(const ListaNivers &byDate, const QDate &today)
{
    qsizetype k = 0;
    for (; k < byDate.size(); ++k) {
        const int month = ValorInteiro(byDate[k].Mes);
        const int day = ValorInteiro(byDate[k].Dia);
        if (month > today.month() || (month == today.month() && day >= today.day()))
            break;
    }
    if (k == byDate.size())
        k = 0; // every birthday of the year has passed: the first of next year comes next
    ListaNivers rotated;
    rotated.reserve(byDate.size());
    rotated.append(byDate.mid(k));
    rotated.append(byDate.mid(0, k));
    return rotated;
}

LinhaProximos MontaLinhaProximos(const ListaNivers &proximos, int width,
                                 const std::function<int(const QString &)> &measure, int total)
{
    LinhaProximos line;
    if (proximos.isEmpty())
        return line;
    const auto shortMonth = [](const clsNiver &r) { return NomeMes(ValorInteiro(r.Mes)).left(3); };
    QString caption = Texto(total == 1 ? 371 : 372);
    for (const clsNiver &r : proximos) {
        const QString piece = (line.entradas > 0 ? QStringLiteral(", ") : QString()) + r.Apelido +
                              QStringLiteral(" (") + QString::number(ValorInteiro(r.Dia)) + u' ' +
                              shortMonth(r) + u')';
        if (measure(caption + piece) > width)
            break;
        caption += piece;
        ++line.entradas;
    }
    if (line.entradas == 0)
        return line;
    if (total >= 2 && line.entradas == 1)
        caption.replace(Texto(374), Texto(373));
    line.legenda = caption;
    QString html = caption.left(caption.indexOf(u':') + 1);
    for (int i = 0; i < line.entradas; ++i) {
        const clsNiver &r = proximos[i];
        if (i > 0)
            html += u',';
        const QString alias = EscapaHtml(r.Apelido);
        html += MontaTexto(
            375, {"|1", alias, "|2", alias, "|3", ValorInteiro(r.Dia), "|4", shortMonth(r)});
    }
    line.html = html;
    return line;
}
