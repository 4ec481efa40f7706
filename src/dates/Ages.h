#pragma once

#include <QString>

#include <optional>

// How old someone is or turns, counted in calendar years: a person born in
// December is one year old from the first of January.
// Without a reference year the age is counted to today; with one, to today's
// day and month in that year. `bareNumber` leaves out the unit text.
QString CalculaIdade(const QString &year, const QString &month, const QString &day,
                     std::optional<int> referenceYear = std::nullopt, bool bareNumber = false);

// When the next birthday on that day and month comes: " (today)", " (tomorrow)", " (5 days)".
QString TextoFaltam(const QString &day, const QString &month);

// "1 birthday", "1,234 birthdays" (thousands separators of the user's locale).
QString TextoContagem(int count);
