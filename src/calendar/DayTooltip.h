#pragma once

#include "data/clsNiver.h"

#include <QDate>
#include <QString>

#include <optional>

// What a day list's tooltip says: for a birthday its alias (and full name),
// birth date, age in the cell's year, e-mail, phone and signs; for an empty
// spot the cell's long date and the day's signs. Lines end with CR LF.
struct TextoDica {
    QString titulo;
    QString texto;
    bool operator==(const TextoDica &) const = default;
};

// `line` is the text of the line under the pointer (empty when none); `found`
// the birthday it names, when the store has it.
TextoDica DicaDaCelula(const QDate &cellDate, const QString &line,
                       const std::optional<clsNiver> &found);
