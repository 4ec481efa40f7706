#include "clsLembrete.h"

#include "app/Clock.h"

#include <array>

namespace {

// The day key 100 * month + day of a record whose day and month are the exact
// two-digit texts a date query could match; -1 for any other text.
int dayKey(const clsNiver &niver)
{
    const auto twoDigits = [](const QString &text) {
        if (text.size() != 2 || !text[0].isDigit() || !text[1].isDigit() ||
            text[0].unicode() > '9' || text[1].unicode() > '9')
            return -1;
        return (text[0].unicode() - '0') * 10 + (text[1].unicode() - '0');
    };
    const int month = twoDigits(niver.Mes);
    const int day = twoDigits(niver.Dia);
    return month < 0 || day < 0 ? -1 : month * 100 + day;
}

} // namespace

clsLembrete::clsLembrete(const BirthdayStore &store, int days)
{
    // One pass over all records, grouped by day in file order; the window's
    // days then pick their groups (the same groups a query per day would give).
    std::array<ListaNivers, 100 * 99 + 100> byDay;
    for (clsNiver &niver : store.ConsultaNivers({}, {}, OrdemArquivo)) {
        const int key = dayKey(niver);
        if (key >= 0)
            byDay[static_cast<size_t>(key)].append(std::move(niver));
    }

    const QDate first = Clock::today();
    const QDate last = first.addDays(days);
    for (QDate d = first; d <= last; d = d.addDays(1)) {
        const ListaNivers &group = byDay[static_cast<size_t>(d.month() * 100 + d.day())];
        if (!group.isEmpty())
            m_upcoming.append(group);
    }
}

clsLembrete::clsLembrete(int days) : clsLembrete(Store(), days) {}
