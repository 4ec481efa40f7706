#pragma once

#include <QDate>

// The program's only source of "today". Tests pin it to a fixed date.
class Clock {
public:
    static QDate today();
    static void setToday(const QDate &date); // fixes today until reset()
    static void reset();
};
