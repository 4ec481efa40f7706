#include "DateRules.h"

#include "app/Clock.h"
#include "text/TextTable.h"

#include <cmath>
#include <limits>

namespace {

// Days a month may have in a typed date: February always allows the 29th.
constexpr int kValidationDays[13] = {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

QString monthAbbreviation(const QDate &date)
{
    return NomeMes(date.month()).left(3);
}

} // namespace

double ValorNumerico(const QString &text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    const qsizetype start = i;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    bool digits = false;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
        ++i;
        digits = true;
    }
    if (i < n && text[i] == u'.') {
        ++i;
        while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
            ++i;
            digits = true;
        }
    }
    if (!digits)
        return 0;
    QString number = text.mid(start, i - start);
    if (number.endsWith(u'.'))
        number.chop(1);
    return number.toDouble();
}

int ValorInteiro(const QString &text)
{
    const double v = ValorNumerico(text);
    if (v >= std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (v <= std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(v);
}

bool EhNumerico(const QString &text)
{
    bool ok = false;
    const QString trimmed = text.trimmed();
    trimmed.toDouble(&ok);
    return ok && !trimmed.isEmpty();
}

std::optional<qint16> ParaInteiro16(const QString &text)
{
    if (!EhNumerico(text))
        return std::nullopt;
    const double rounded = std::nearbyint(text.trimmed().toDouble()); // half to even
    if (rounded < -32768 || rounded > 32767)
        return std::nullopt;
    return static_cast<qint16>(rounded);
}

QDate ConstroiData(int year, int month, int day)
{
    if (year >= 0 && year <= 29)
        year += 2000;
    else if (year >= 30 && year <= 99)
        year += 1900;
    const int monthIndex = month - 1;
    const int carry = monthIndex >= 0 ? monthIndex / 12 : -((11 - monthIndex) / 12);
    year += carry;
    month = monthIndex - carry * 12 + 1;
    return QDate(year, month, 1).addDays(day - 1);
}

bool ValidaMes(const QString &month)
{
    if (month.size() > 2)
        return false;
    const double v = ValorNumerico(month);
    return v >= 1 && v <= 12;
}

bool ValidaDia(const QString &day, const QString &month)
{
    if (day.size() >= 3 || !ValidaMes(month))
        return false;
    const double v = ValorNumerico(day);
    return v >= 1 && v <= kValidationDays[static_cast<int>(ValorNumerico(month))];
}

bool ValidaAno(const QString &year)
{
    if (year.isEmpty())
        return true;
    if (year.size() != 4)
        return false;
    const double v = ValorNumerico(year);
    return v >= 1800 && v <= Clock::today().year();
}

bool ValidaData(const QString &day, const QString &month, const QString &year)
{
    const bool dayOk = ValidaDia(day, month);
    const bool monthOk = ValidaMes(month);
    const bool yearOk = ValidaAno(year);
    return dayOk && monthOk && yearOk;
}

QDate ProximaData(int day, int month, const QDate &today)
{
    const QDate thisYear = ConstroiData(today.year(), month, day);
    return thisYear >= today ? thisYear : ConstroiData(today.year() + 1, month, day);
}

int DiasFevereiro(int year)
{
    return QDate(year, 3, 1).addDays(-1).day();
}

int DiasNoMes(int month, int year)
{
    return month == 2 ? DiasFevereiro(year) : DiasDoMes(month);
}

QString DataCurta(const QDate &date)
{
    return QString::number(date.day()) + u' ' + monthAbbreviation(date) + u' ' +
           QString::number(date.year());
}

QString DataLonga(const QDate &date)
{
    return DataCurta(date) + QStringLiteral(", ") + NomeDiaSemana(date.dayOfWeek() % 7 + 1);
}

QString DiaMesCurto(const QDate &date)
{
    return DoisDigitos(date.day()) + u' ' + monthAbbreviation(date);
}

QString DoisDigitos(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QChar(u'0'));
}
