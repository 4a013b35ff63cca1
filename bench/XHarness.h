#pragma once

// Shared pieces of the window benchmarks: a private virtual X server, the
// program under test started in a clean environment, and a watcher that sees
// top-level windows map on that server.

#include <xcb/xcb.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/types.h>

namespace bench {

using Clock = std::chrono::steady_clock;

double msBetween(Clock::time_point from, Clock::time_point to);

// Xvfb on a display number it picks itself, so nothing else (in particular no
// window manager) runs on it. Stopped when the object goes.
class VirtualDisplay
{
public:
    VirtualDisplay();
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay &) = delete;
    VirtualDisplay &operator=(const VirtualDisplay &) = delete;

    const std::string &name() const { return m_name; }

private:
    pid_t m_pid = -1;
    std::string m_name;
};

// A private folder tree under the temporary folder, removed at the end.
class ScratchFolder
{
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;

    const std::string &path() const { return m_path; }
    // Makes path()/relative (and its parents) with the given mode.
    std::string makeFolder(const std::string &relative, mode_t mode = 0700) const;

private:
    std::string m_path;
};

// The environment every program under test gets: the same for the bare window
// and starkindle, nothing from the caller's desktop session (no D-Bus, no
// Wayland, no theme variables) so that neither gets work the other is spared.
// The configuration folder holds today's update-reminder date, so starkindle
// starts without asking anything and without writing its settings.
struct RunEnvironment
{
    RunEnvironment(const std::string &display, const ScratchFolder &scratch);
    std::vector<std::string> variables;
};

// A program started with posix_spawn; the start time is taken right before
// the spawn. Whatever is left running is killed when the object goes.
class ChildProcess
{
public:
    ChildProcess(const std::string &program, const std::vector<std::string> &environment, const std::string &logPath);
    ~ChildProcess();
    ChildProcess(const ChildProcess &) = delete;
    ChildProcess &operator=(const ChildProcess &) = delete;

    pid_t pid() const { return m_pid; }
    Clock::time_point started() const { return m_started; }

    // True once the process has ended (reaped without blocking).
    bool hasExited();

    // SIGTERM, then SIGKILL after the grace period; reaps the process.
    void terminate(std::chrono::milliseconds grace = std::chrono::milliseconds(2000));

    // Peak resident set size in KiB, known once the process has been reaped.
    long peakRssKiB() const { return m_usage.ru_maxrss; }
    // Raw wait status, known once the process has been reaped.
    int waitStatus() const { return m_status; }

    // CPU time used so far by all threads of the running process, in ns.
    std::optional<std::uint64_t> cpuTimeNs() const;

    // Waits until the process has used under `budget` of CPU time over
    // `window`, i.e. has finished what it was doing (painting, handling
    // input), for at most `limit`. Returns false when it stayed busy.
    bool waitUntilQuiet(std::chrono::milliseconds window = std::chrono::milliseconds(40),
                        std::chrono::microseconds budget = std::chrono::microseconds(500),
                        std::chrono::milliseconds limit = std::chrono::milliseconds(3000)) const;

private:
    pid_t m_pid = -1;
    bool m_reaped = false;
    int m_status = 0;
    rusage m_usage{};
    Clock::time_point m_started;
};

struct MappedWindow
{
    xcb_window_t window = XCB_NONE;
    Clock::time_point at; // when the MapNotify was read from the server
    std::string title;
};

// A client connection that watches every top-level window of the display.
class WindowWatcher
{
public:
    explicit WindowWatcher(const std::string &display);
    ~WindowWatcher();
    WindowWatcher(const WindowWatcher &) = delete;
    WindowWatcher &operator=(const WindowWatcher &) = delete;

    xcb_connection_t *connection() const { return m_connection; }
    xcb_window_t root() const { return m_root; }

    // Waits for a MapNotify of a normal (not override-redirect) top-level
    // window of `pid` titled `title`, other than `other`. Nothing when the
    // child ends first or the deadline passes.
    std::optional<MappedWindow> waitForMap(ChildProcess &child, const std::string &title, Clock::time_point deadline,
                                           xcb_window_t other = XCB_NONE);

    // Top-level windows unmapped since the last call to forgetUnmapped().
    const std::vector<xcb_window_t> &unmapped() const { return m_unmapped; }
    void forgetUnmapped() { m_unmapped.clear(); }

    std::string titleOf(xcb_window_t window);
    std::optional<std::uint32_t> pidOf(xcb_window_t window);
    std::optional<std::uint16_t> widthOf(xcb_window_t window);

    // Throws when the connection to the server broke.
    void check() const;

private:
    std::optional<std::string> textProperty(xcb_window_t window, xcb_atom_t property, xcb_atom_t type);
    xcb_atom_t atom(const char *name);

    xcb_connection_t *m_connection = nullptr;
    xcb_window_t m_root = XCB_NONE;
    xcb_atom_t m_netWmName = XCB_NONE;
    xcb_atom_t m_netWmPid = XCB_NONE;
    xcb_atom_t m_utf8String = XCB_NONE;
    std::vector<xcb_window_t> m_unmapped;
};

// Order statistics of a sample.
struct Summary
{
    double median = 0;
    double min = 0;
    double p10 = 0;
    double p90 = 0;
    double max = 0;
};
Summary summarize(std::vector<double> values);

// One start of a program until its window titled `title` maps: the time
// from the spawn to the MapNotify, and the peak RSS once it has gone quiet
// (its first frame painted) and been ended with SIGTERM. Nothing (after
// saying why on stderr) when the window never came or the program did not
// end by the signal.
struct StartResult
{
    double ms = 0;
    double rssMiB = 0;
    double cpuAtMapMs = 0; // its CPU time (all its threads, ended ones too) when the map was seen
    double cpuMs = 0;      // the same once it had gone quiet: start-up and first frame
};
std::optional<StartResult> startOnce(const std::string &label, const std::string &program, const std::string &title,
                                     WindowWatcher &watcher, const RunEnvironment &env, const std::string &logPath);

// The last 2000 characters of a log file.
std::string logTail(const std::string &path);

// The first line of /proc/loadavg, to show how quiet the machine was.
std::string loadAverage();

// Number of CPUs and the CPU model, for the table headings.
std::string machine();

// Value of a "--name=value" argument, or `fallback`.
std::string argument(int argc, char **argv, const std::string &name, const std::string &fallback);

} // namespace bench
