#include "Ages.h"

#include "DateRules.h"
#include "app/Clock.h"
#include "text/TextTable.h"

#include <QLocale>

namespace {

QString withUnit(qint64 n, bool bareNumber, int pluralId, int singularId)
{
    QString s = QString::number(n);
    if (!bareNumber)
        s += Texto(n > 1 ? pluralId : singularId);
    return s;
}

} // namespace

QString CalculaIdade(const QString &year, const QString &month, const QString &day,
                     std::optional<int> referenceYear, bool bareNumber)
{
    if (ValorNumerico(year) == 0)
        return {};
    const QDate today = Clock::today();
    const QDate reference =
        referenceYear ? ConstroiData(*referenceYear, today.month(), today.day()) : today;
    const QDate birth = ConstroiData(ValorInteiro(year), ValorInteiro(month), ValorInteiro(day));
    if (!birth.isValid() || birth > reference)
        return {};

    const int years = reference.year() - birth.year();
    if (years >= 1)
        return withUnit(years, bareNumber, 1002, 1003);

    // Same calendar year: months, then days, always counted to today.
    const int months = (today.year() * 12 + today.month()) - (birth.year() * 12 + birth.month());
    if (months >= 1)
        return withUnit(months, bareNumber, 1004, 1005);

    const qint64 days = birth.daysTo(today);
    if (days < 1)
        return {};
    return withUnit(days, bareNumber, 1006, 1007);
}

QString TextoFaltam(const QString &day, const QString &month)
{
    const QDate today = Clock::today();
    const qint64 n = today.daysTo(ProximaData(ValorInteiro(day), ValorInteiro(month), today));
    QString word;
    if (n == 0)
        word = Texto(609);
    else if (n == 1)
        word = Texto(610);
    else
        word = QString::number(n) + Texto(611);
    return QStringLiteral(" (") + word + u')';
}

QString TextoContagem(int count)
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return locale.toString(count) + Texto(count == 1 ? 353 : 354);
}
