#pragma once

#include "astro/Answer.h"
#include "astro/Sign.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace astro {

// What the result window says about an answer: for whom and which birth it
// answers, where the answer comes from, and what a change of sign near the
// birth, or a sky that disagrees with the original table, means for it. The
// window only displays it and copies it.
struct ResultNotes {
    // One sign's reading the window can show, and which births it is for.
    struct View {
        Sign sign;
        // What the window's headline says while this reading is shown.
        QString headline;
        // Which births the reading is for, when that needs saying; it opens
        // the notes.
        QString forWhom;
    };

    // The name and the birth answered for, one sentence.
    QString answeredFor;
    // The notes after it, in reading order: the source first.
    QStringList lines;
    // The program's answer first; the window's button steps through the
    // others. Empty for a birth with no answer.
    std::vector<View> views;

    // What a screen reader says of the picture of the sky: "Eros at 14°23′
    // Sagittarius, retrograde", and where the Sun was.
    QString pictureName;
    QString pictureDescription;

    // The notes as shown with a view: its line, then the others.
    QStringList linesWith(std::size_t view) const;
};

// The notes for an answer, with the name as typed.
ResultNotes NotesFor(const QString &name, const Answer &answer);

// "14:05": the hour and minute of a second counted as written (UT, or a
// local wall clock).
QString ClockTime(qint64 second);

// "UTC+05:30", "UTC-10:00", "UTC+00:19:32" (seconds only when there are).
QString OffsetName(int seconds);

// "14°23′ Sagittarius": the degree and minute within the sign, and the sign,
// as the user reads them.
QString PositionName(double longitude);

} // namespace astro
