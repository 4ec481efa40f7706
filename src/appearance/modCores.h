#pragma once

#include <QColor>

#include <array>

// The nine colour schemes of the month grid. Colour 0 paints the weekday
// headers, 1 the day numbers, 2 the selected day's number, 3 the lists of the
// displayed month's days.
struct EsquemaCores {
    int nomeTexto; // text ID of the scheme's name
    std::array<QColor, 4> cor;
};

const std::array<EsquemaCores, 9> &TabelaCores();

// Reads ColorScheme at start-up into the current scheme: "0" is written when
// it is missing or 0; a value that is not a scheme falls back to 0.
void CarregaEsquemaCores();
int EsquemaAtual();
void DefineEsquemaAtual(int index);
const EsquemaCores &CoresAtuais();
