#pragma once

#include "astro/Sign.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace astro {

// The fixed reading of a sign, character for character as shipped, in the
// installed translation's language.
QString Reading(Sign sign);

} // namespace astro
