#pragma once

#include "data/BirthdayStore.h"

#include <QList>

// The birthdays of the coming days: from today through today + `days`, one
// entry per day that has birthdays, in date order; each entry lists that day's
// birthdays in file order.
class clsLembrete {
public:
    clsLembrete(const BirthdayStore &store, int days);
    explicit clsLembrete(int days); // on the program's store

    const QList<ListaNivers> &ProximosAniversarios() const { return m_upcoming; }

private:
    QList<ListaNivers> m_upcoming;
};
