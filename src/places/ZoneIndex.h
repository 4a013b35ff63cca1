#pragma once

#include "places/Zones.h"

// Within the library: the zone at an index of the compiled-in list, as the
// gazetteer's rows name it.
namespace places::detail {

struct ZoneIndex {
    static Zone at(int index);
};

} // namespace places::detail
