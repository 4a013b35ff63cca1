#pragma once

#include <thread>

// Reading the system's font configuration (fontconfig's files and caches) is
// a third of start-up's work. This reads it on a thread of its own while the
// main thread connects to the display; on Windows there is nothing to read.
//
// wait() before the first font is asked for. Until then the main thread must
// not ask for one: it would find no configuration yet and read it again
// itself. The destructor waits too.
namespace platform {

class FontWarmUp
{
public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp &) = delete;
    FontWarmUp &operator=(const FontWarmUp &) = delete;

    void wait();
    // Whether the reading ran on a thread of its own (none on Windows, or
    // when no thread could be started: the first font then reads it).
    bool started() const { return m_started; }

private:
    std::thread m_reader;
    bool m_started = false;
};

} // namespace platform
