#pragma once

#include "astro/Sign.h"

#include <QString>
#include <QStringView>

#include <optional>

// The lookup from the three texts of the original lists, as the first
// version of the main window read them: the tests and fuzzers hold the
// table's answers to it. The year and day texts must be plain decimal
// numbers (ASCII digits, one to nine of them), the month one of
// "January".."December" exactly.
namespace listtexts {

std::optional<int> ParseNumber(QStringView text);

std::optional<astro::Sign> LookupSign(QStringView yearText, QStringView monthText, QStringView dayText);

// Stores a match in SexualitySign(), through the one answer path's wrapper;
// no match leaves it.
void GetPlanetSign(QStringView yearText, QStringView monthText, QStringView dayText);

// The reading whose English sign name equals signName exactly.
std::optional<QString> ReadingFor(QStringView signName);

} // namespace listtexts
