#pragma once

#include <QDate>
#include <QString>

// Western zodiac and Chinese signs of a birthday. Day, month and year are the
// texts of the data file (numbers as text are accepted too).

QString SignoZodiacal(const QString &day, const QString &month);
QString SignoChines(const QString &day, const QString &month, const QString &year);

// The dates covered by the Chinese New Year table (texts 1800 to 2199):
// from the New Year of 1800 to the New Year of 2199, both included.
struct AnoChinesLimites {
    QDate first;
    QDate last;
};
const AnoChinesLimites &InicializaAnoChines();
