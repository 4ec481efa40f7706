#include "Clock.h"

namespace {
QDate &fixedToday()
{
    static QDate date;
    return date;
}
} // namespace

QDate Clock::today()
{
    return fixedToday().isValid() ? fixedToday() : QDate::currentDate();
}

void Clock::setToday(const QDate &date)
{
    fixedToday() = date;
}

void Clock::reset()
{
    fixedToday() = QDate();
}
