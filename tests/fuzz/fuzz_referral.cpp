// libFuzzer target: the referral address from arbitrary field values.
#include "FuzzChecks.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string violation = fuzzchecks::CheckReferral(data, size);
    if (!violation.empty()) {
        std::fprintf(stderr, "referral property violated: %s\n", violation.c_str());
        std::abort(); // libFuzzer keeps the input as a crash file
    }
    return 0;
}
