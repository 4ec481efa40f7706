#pragma once

#include <QDate>
#include <QString>

#include <optional>

// Numbers and dates as the user types them.

// The numeric value of a text: leading blanks skipped, then an optional sign,
// digits and an optional decimal part; reading stops at the first character
// that cannot continue the number. No number at all gives 0 ("3x" is 3).
double ValorNumerico(const QString &text);

// The numeric value cut to a whole number (towards zero).
int ValorInteiro(const QString &text);

// True when the whole text (blanks around it allowed) is a number.
bool EhNumerico(const QString &text);

// A text converted to a 16-bit whole number (rounded half to even), or nothing
// when it is not a number or does not fit.
std::optional<qint16> ParaInteiro16(const QString &text);

// The date of year, month and day where days and months out of range carry
// over (month 13 is January of the next year, day 0 the last day of the month
// before); years 0-29 mean 2000-2029 and 30-99 mean 1930-1999.
QDate ConstroiData(int year, int month, int day);

bool ValidaMes(const QString &month);
bool ValidaDia(const QString &day, const QString &month);
bool ValidaAno(const QString &year); // an empty year is valid: it is optional
bool ValidaData(const QString &day, const QString &month, const QString &year);

// The date of a day and month this year, or next year when it has passed;
// 29 February of a year without one falls on 1 March.
QDate ProximaData(int day, int month, const QDate &today);

int DiasFevereiro(int year);
int DiasNoMes(int month, int year); // with February of that year

QString DataCurta(const QDate &date);   // 5 Jan 2003
QString DataLonga(const QDate &date);   // 5 Jan 2003, Sunday
QString DiaMesCurto(const QDate &date); // 05 Jan

// Day or month as the two-digit text the data file uses ("05").
QString DoisDigitos(int value);
