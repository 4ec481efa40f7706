#pragma once

#include "data/clsNiver.h"

#include <QDate>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

class BirthdayStore;

// The month grid: six weeks of seven days, Sunday first, with the last days of
// the month before and the first days of the month after around the month shown.
struct MonthGrid {
    static constexpr int Cells = 42;
    static constexpr int NotShown = 99;

    int ano = 0;
    int mes = 0;
    int primeiroDiaSemana = 0;        // cell of day 1 (Sunday = 0)
    std::array<int, Cells> dia{};     // the day shown in each cell
    std::array<QString, Cells> tag{}; // year and month of each cell, "200402"
    // Day (1..31) to cell, for the month before, the month shown and the month
    // after; NotShown when the day has no cell.
    std::array<int, 32> celulaMesAnterior{};
    std::array<int, 32> celulaMes{};
    std::array<int, 32> celulaMesSeguinte{};
    int celulaHoje = -1; // today's cell when today's month is shown

    QString mesDaCelula(int cell) const { return tag[static_cast<size_t>(cell)].mid(4, 2); }
    int anoDaCelula(int cell) const { return tag[static_cast<size_t>(cell)].left(4).toInt(); }
    QDate dataDaCelula(int cell) const;
    bool doMesExibido(int cell) const;
};

MonthGrid MontaGrade(int ano, int mes, const QDate &today);

// The aliases of each cell, from three month queries, in file order; people
// not yet born in the displayed year are left out.
std::array<QStringList, MonthGrid::Cells> EventosDoMes(const MonthGrid &grid,
                                                       const BirthdayStore &store);

// The day to select in a month after a move: the selected day, cut to the month's length.
int DiaLimitado(int diaSelecionado, int mes, int ano);

// The cell of day `dia` in the displayed month, or of its last day when that day does not exist.
int CelulaDoDiaOuUltimo(const MonthGrid &grid, int dia);

// The cell where the birthday (day, month) shows in the grid, if it does.
std::optional<int> CelulaVisivel(const MonthGrid &grid, int dia, int mes);

// All birthdays by date, turned so that the list starts with the next upcoming one.
ListaNivers RodaParaProximos(const ListaNivers &byDate, const QDate &today);

// The upcoming-birthdays line: as many entries as fit in `width` pixels.
// `total` is the number of birthdays in the file (the prefix is singular for one).
struct LinhaProximos {
    int entradas = 0;
    QString legenda; // the measured plain caption
    QString html;    // the line's text with its links
};
LinhaProximos MontaLinhaProximos(const ListaNivers &proximos, int width,
                                 const std::function<int(const QString &)> &measure, int total);
