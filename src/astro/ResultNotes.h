#pragma once

#include "astro/Sign.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTimeZone>

#include <optional>

namespace astro {

// What the result window says about the sign it shows: for whom and which
// date it answers, where the answer comes from, and what a day on which Eros
// changes sign, or on which the computed sky and the original table
// disagree, means for it. The window only displays it and copies it.
struct ResultNotes {
    // The name and the date answered for, one sentence.
    QString answeredFor;
    // The notes after it, in reading order, one sentence or two each: the
    // source first.
    QStringList lines;
    // The sign the answer gives for the date (the table's in its years, the
    // one at 12:00 UT otherwise).
    std::optional<Sign> sign;
    // Outside the table's years, on a date on which Eros changed sign (by UT
    // or in the local time zone): the sign in force during the other part of
    // the day, whose reading the window offers as well.
    std::optional<Sign> otherSign;
};

// The notes for a birth on date, with the name as typed; localZone is the
// computer's time zone. Empty for a date no lookup answers.
ResultNotes NotesFor(const QString &name, QDate date, const QTimeZone &localZone);

} // namespace astro
