#include "platform/FontWarmUp.h"

#include <system_error>

#ifdef STARKINDLE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace platform {

FontWarmUp::FontWarmUp()
{
#ifdef STARKINDLE_FONTCONFIG
    try {
        // FcInit is safe on any thread; later calls, Qt's among them, find
        // the configuration made here.
        m_reader = std::thread([] { FcInit(); });
        m_started = true;
    } catch (const std::system_error &) {
        // No thread to be had (a process limit): the first font reads it.
    }
#endif
}

FontWarmUp::~FontWarmUp()
{
    wait();
}

void FontWarmUp::wait()
{
    if (m_reader.joinable())
        m_reader.join();
}

} // namespace platform
