#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// A zone's history as tzdata's compiled files (TZif, RFC 8536) carry it, and
// the POSIX TZ rule at their end, which gives the years after the last
// written transition.
namespace tzif {

struct LocalTime {
    int offset = 0; // seconds east of UT
    QByteArray abbreviation;
    bool dst = false;
    friend bool operator==(const LocalTime &, const LocalTime &) = default;
};

struct Transition {
    std::int64_t at = 0; // UT seconds since 1970
    LocalTime to;
};

struct History {
    LocalTime before; // in force before the first transition
    std::vector<Transition> transitions;
};

// The history from `from` to `to` (UT seconds, half-open), with every
// transition that changes nothing left out; `before` is then what was in
// force at `from`. Nothing if the file is not TZif version 2 or later, or
// its rule cannot be read.
std::optional<History> Read(const QString &path, std::int64_t from, std::int64_t to, QString *error);

} // namespace tzif
