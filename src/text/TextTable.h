#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <initializer_list>

// The numbered text table: every text the user sees is looked up here by ID.
// Placeholders "|1".."|4" are filled with MontaTexto.

// The text of an ID; an unknown ID gives an empty text (and a warning in debug builds).
QString Texto(int id);
bool TextoExiste(int id);

// Text `id` with each placeholder of `pairs` (placeholder, value, placeholder, value ...)
// replaced in turn: every occurrence, exact case, left to right.
QString MontaTexto(int id, std::initializer_list<QVariant> pairs = {});
QString MontaTexto(int id, const QVariantList &pairs);
QString SubstituiMarcadores(QString text, const QVariantList &pairs);

// Name tables, built once at start-up from the text table (InicializaTabelas).
void InicializaTabelas();
QString NomeMes(int month);     // 1..12
QString NomeDiaSemana(int day); // 1 = Sunday .. 7 = Saturday
int DiasDoMes(int month);       // February has 28 here; the calendar corrects it per year

// The program title (text 11) used in captions and messages.
inline QString TituloPrograma()
{
    return Texto(11);
}
