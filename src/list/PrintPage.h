#pragma once

#include "data/clsNiver.h"

#include <QDate>
#include <QStringList>

// The print page of the birthday list: a list style (one column, grouped) and
// a table style (twelve cells: letter groups when sorted by alias, months when
// sorted by date, or a single month). Written in UTF-8 with every value escaped.

struct OpcoesImpressao {
    bool comEmail = true;
    bool comFone = true;
    bool comIdade = false;
};

// The letter group 1..12 of an alias: "A - B" .. "X - Y - Z" (every other first character).
int GrupoLetra(const QString &alias);
QString NomeGrupoLetra(int group);

// One birthday's line: date, alias, age, e-mail and phone with their separators.
QString LinhaNiver(const clsNiver &r, const OpcoesImpressao &options, const QDate &today);

// The page's lines. `ordem` 1 = by date (any other value = by alias); `mes` 0 =
// all months; `estilo` 2 = table (any other value = list).
QStringList PaginaImpressao(const ListaNivers &lista, int ordem, int mes, int estilo,
                            const OpcoesImpressao &options, const QDate &today);

// Writes the page to `caminho` (an earlier file is deleted first), lines ended by
// CR LF. Tells the user and returns false when it cannot be written.
bool GeraPaginaImpressao(const ListaNivers &lista, const QString &caminho, int ordem, int mes,
                         int estilo, const OpcoesImpressao &options);

// Where the print page is written: List.html in the data folder.
QString CaminhoPaginaImpressao();
