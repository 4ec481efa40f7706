#include "clsLembrete.h"

#include "DateRules.h"
#include "app/Clock.h"

#include <QHash>

clsLembrete::clsLembrete(const BirthdayStore &store, int days)
{
    // One pass over all records, grouped by their exact day and month texts;
    // the window's days then pick their groups.
    QHash<QString, ListaNivers> byDay;
    for (clsNiver &niver : store.ConsultaNivers({}, {}, OrdemArquivo))
        byDay[niver.Mes + u'/' + niver.Dia].append(std::move(niver));

    const QDate first = Clock::today();
    const QDate last = first.addDays(days);
    for (QDate d = first; d <= last; d = d.addDays(1)) {
        const auto group = byDay.constFind(DoisDigitos(d.month()) + u'/' + DoisDigitos(d.day()));
        if (group != byDay.constEnd())
            m_upcoming.append(*group);
    }
}

clsLembrete::clsLembrete(int days) : clsLembrete(Store(), days) {}
