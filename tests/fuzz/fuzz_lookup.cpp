// libFuzzer target: the sign lookup from arbitrary year, month and day texts.
#include "FuzzChecks.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string violation = fuzzchecks::CheckLookup(data, size);
    if (!violation.empty()) {
        std::fprintf(stderr, "lookup property violated: %s\n", violation.c_str());
        std::abort(); // libFuzzer keeps the input as a crash file
    }
    return 0;
}
