#pragma once

#include "data/clsNiver.h"

#include <QDate>
#include <QString>

// The list window's page: one link per birthday with its weekday and date,
// group breaks by month or first letter, e-mail and phone below, and in the
// logon reminder the days left. Every value is escaped for HTML.

// Weekday and date of the birthday this year, "Sun 05 Jan"; in the reminder,
// next year's date when this year's has passed. 29 February falls on 1 March
// in a year without it.
QString DataDoNiver(const clsNiver &r, bool reminder, const QDate &today);

QString PaginaDaLista(const ListaNivers &nivers, int ordem, bool reminder, const QDate &today);
