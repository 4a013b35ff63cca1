#include "web/CoBrand.h"

#include <cmath>

namespace cobrand {

int Number(float r)
{
    const float x = r * 6.0f + 1.0f;
    // Round half to even whatever rounding mode the process runs in.
    const float down = std::floor(x);
    const float fraction = x - down;
    int n = static_cast<int>(down);
    if (fraction > 0.5f || (fraction == 0.5f && n % 2 != 0))
        ++n;
    return n;
}

Action ActionFor(int number)
{
    switch (number) {
    case 1:
    case 3:
    case 5:
        return Action::CoBrandToFront;
    case 2:
    case 4:
    case 6:
        return Action::FullBrandToFront;
    default:
        return Action::Nothing;
    }
}

} // namespace cobrand
