#include "XHarness.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace bench {

namespace {

std::runtime_error failure(const std::string &what)
{
    return std::runtime_error(what + (errno ? std::string(": ") + std::strerror(errno) : std::string()));
}

std::vector<char *> pointers(std::vector<std::string> &strings)
{
    std::vector<char *> v;
    for (std::string &s : strings)
        v.push_back(s.data());
    v.push_back(nullptr);
    return v;
}

std::string today()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

} // namespace

double msBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// ---------------------------------------------------------------------------

VirtualDisplay::VirtualDisplay()
{
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        throw failure("pipe");

    // Xvfb writes the display number it chose to descriptor 3.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 3);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::vector<std::string> args = {"Xvfb",  "-displayfd", "3",           "-screen", "0",      "1024x768x24",
                                     "-dpi",  "96",         "-nolisten",   "tcp",     "-noreset"};
    std::vector<char *> argv = pointers(args);
    const int rc = ::posix_spawnp(&m_pid, "Xvfb", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(fds[1]);
    if (rc != 0) {
        ::close(fds[0]);
        errno = rc;
        throw failure("cannot start Xvfb (is the xvfb package installed?)");
    }

    std::string number;
    pollfd p{fds[0], POLLIN, 0};
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(15);
    while (number.find('\n') == std::string::npos && Clock::now() < deadline) {
        if (::poll(&p, 1, 100) <= 0)
            continue;
        char buffer[32];
        const ssize_t n = ::read(fds[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        number.append(buffer, static_cast<size_t>(n));
    }
    ::close(fds[0]);
    const size_t end = number.find('\n');
    if (end == std::string::npos || end == 0) {
        ::kill(m_pid, SIGKILL);
        ::waitpid(m_pid, nullptr, 0);
        errno = 0;
        throw failure("Xvfb did not report a display number");
    }
    m_name = ":" + number.substr(0, end);
}

VirtualDisplay::~VirtualDisplay()
{
    if (m_pid > 0) {
        ::kill(m_pid, SIGTERM);
        ::waitpid(m_pid, nullptr, 0);
    }
}

// ---------------------------------------------------------------------------

ScratchFolder::ScratchFolder()
{
    const char *tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/starkindle-bench-XXXXXX";
    if (!::mkdtemp(pattern.data()))
        throw failure("mkdtemp");
    m_path = pattern;
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::string ScratchFolder::makeFolder(const std::string &relative, mode_t mode) const
{
    const std::string full = m_path + "/" + relative;
    std::filesystem::create_directories(full);
    if (::chmod(full.c_str(), mode) != 0)
        throw failure("chmod " + full);
    return full;
}

// ---------------------------------------------------------------------------

RunEnvironment::RunEnvironment(const std::string &display, const ScratchFolder &scratch)
{
    const std::string config = scratch.makeFolder("config");
    scratch.makeFolder("config/starkindle");
    {
        std::ofstream ini(config + "/starkindle/starkindle.ini");
        ini << "[Settings]\nUpdateReminderDate=" << today() << "\n";
        if (!ini)
            throw std::runtime_error("cannot write " + config + "/starkindle/starkindle.ini");
    }
    const char *path = std::getenv("PATH");
    variables = {
        "DISPLAY=" + display,
        "QT_QPA_PLATFORM=xcb",
        "LANG=C.UTF-8",
        "PATH=" + std::string(path ? path : "/usr/bin:/bin"),
        "HOME=" + scratch.makeFolder("home"),
        "XDG_CONFIG_HOME=" + config,
        "XDG_CACHE_HOME=" + scratch.makeFolder("cache"),
        // Qt wants it 0700; starkindle's single-instance lock goes there too,
        // apart from any copy the user is running.
        "XDG_RUNTIME_DIR=" + scratch.makeFolder("runtime", 0700),
        "STARKINDLE_INSTANCE_DIR=" + scratch.makeFolder("instance", 0700),
    };
}

// ---------------------------------------------------------------------------

ChildProcess::ChildProcess(const std::string &program, const std::vector<std::string> &environment,
                           const std::string &logPath)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, logPath.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    std::vector<std::string> args = {program};
    std::vector<std::string> env = environment;
    std::vector<char *> argv = pointers(args);
    std::vector<char *> envp = pointers(env);
    m_started = Clock::now();
    const int rc = ::posix_spawn(&m_pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) {
        m_pid = -1;
        errno = rc;
        throw failure("cannot start " + program);
    }
}

ChildProcess::~ChildProcess()
{
    if (m_pid > 0 && !m_reaped) {
        ::kill(m_pid, SIGKILL);
        ::wait4(m_pid, &m_status, 0, &m_usage);
    }
}

bool ChildProcess::hasExited()
{
    if (m_reaped)
        return true;
    const pid_t rc = ::wait4(m_pid, &m_status, WNOHANG, &m_usage);
    if (rc == m_pid)
        m_reaped = true;
    return m_reaped;
}

void ChildProcess::terminate(std::chrono::milliseconds grace)
{
    if (hasExited())
        return;
    ::kill(m_pid, SIGTERM);
    const Clock::time_point deadline = Clock::now() + grace;
    while (!hasExited() && Clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    if (!m_reaped) {
        ::kill(m_pid, SIGKILL);
        if (::wait4(m_pid, &m_status, 0, &m_usage) == m_pid)
            m_reaped = true;
    }
}

std::optional<std::uint64_t> ChildProcess::cpuTimeNs() const
{
    // The process's CPU clock counts every thread it has had, those that
    // have ended too (a program may do part of its start-up on a thread it
    // then joins); each live thread's schedstat would miss those.
    clockid_t clock = 0;
    timespec time{};
    if (::clock_getcpuclockid(m_pid, &clock) != 0 || ::clock_gettime(clock, &time) != 0)
        return std::nullopt;
    return static_cast<std::uint64_t>(time.tv_sec) * 1000000000u + static_cast<std::uint64_t>(time.tv_nsec);
}

bool ChildProcess::waitUntilQuiet(std::chrono::milliseconds window, std::chrono::microseconds budget,
                                  std::chrono::milliseconds limit) const
{
    const Clock::time_point deadline = Clock::now() + limit;
    std::optional<std::uint64_t> before = cpuTimeNs();
    if (!before) {
        // No per-thread accounting: a fixed pause has to do.
        std::this_thread::sleep_for(limit / 4);
        return true;
    }
    while (Clock::now() < deadline) {
        std::this_thread::sleep_for(window);
        const std::optional<std::uint64_t> after = cpuTimeNs();
        if (!after)
            return false;
        if (*after - *before < static_cast<std::uint64_t>(std::chrono::nanoseconds(budget).count()))
            return true;
        before = after;
    }
    return false;
}

// ---------------------------------------------------------------------------

WindowWatcher::WindowWatcher(const std::string &display)
{
    m_connection = xcb_connect(display.c_str(), nullptr);
    if (xcb_connection_has_error(m_connection))
        throw std::runtime_error("cannot connect to X display " + display);
    m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;

    // Every top-level window is a child of the root (no window manager
    // reparents it), so this shows each map and unmap.
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_generic_error_t *error =
        xcb_request_check(m_connection, xcb_change_window_attributes_checked(m_connection, m_root, XCB_CW_EVENT_MASK, &mask));
    if (error) {
        std::free(error);
        throw std::runtime_error("cannot watch the root window of " + display);
    }
    m_netWmName = atom("_NET_WM_NAME");
    m_netWmPid = atom("_NET_WM_PID");
    m_utf8String = atom("UTF8_STRING");
}

WindowWatcher::~WindowWatcher()
{
    xcb_disconnect(m_connection);
}

xcb_atom_t WindowWatcher::atom(const char *name)
{
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
        m_connection, xcb_intern_atom(m_connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
    if (!reply)
        throw std::runtime_error(std::string("cannot intern atom ") + name);
    const xcb_atom_t a = reply->atom;
    std::free(reply);
    return a;
}

void WindowWatcher::check() const
{
    if (xcb_connection_has_error(m_connection))
        throw std::runtime_error("the connection to the X server broke");
}

std::optional<std::string> WindowWatcher::textProperty(xcb_window_t window, xcb_atom_t property, xcb_atom_t type)
{
    xcb_get_property_reply_t *reply = xcb_get_property_reply(
        m_connection, xcb_get_property(m_connection, 0, window, property, type, 0, 1024), nullptr);
    if (!reply)
        return std::nullopt;
    std::optional<std::string> text;
    if (reply->type == type && reply->format == 8)
        text = std::string(static_cast<const char *>(xcb_get_property_value(reply)),
                           static_cast<size_t>(xcb_get_property_value_length(reply)));
    std::free(reply);
    return text;
}

std::string WindowWatcher::titleOf(xcb_window_t window)
{
    if (std::optional<std::string> t = textProperty(window, m_netWmName, m_utf8String))
        return *t;
    return textProperty(window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING).value_or(std::string());
}

std::optional<std::uint32_t> WindowWatcher::pidOf(xcb_window_t window)
{
    xcb_get_property_reply_t *reply = xcb_get_property_reply(
        m_connection, xcb_get_property(m_connection, 0, window, m_netWmPid, XCB_ATOM_CARDINAL, 0, 1), nullptr);
    if (!reply)
        return std::nullopt;
    std::optional<std::uint32_t> pid;
    if (reply->format == 32 && xcb_get_property_value_length(reply) == 4)
        pid = *static_cast<const std::uint32_t *>(xcb_get_property_value(reply));
    std::free(reply);
    return pid;
}

std::optional<std::uint16_t> WindowWatcher::widthOf(xcb_window_t window)
{
    xcb_get_geometry_reply_t *reply =
        xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, window), nullptr);
    if (!reply)
        return std::nullopt;
    const std::uint16_t width = reply->width;
    std::free(reply);
    return width;
}

std::optional<MappedWindow> WindowWatcher::waitForMap(ChildProcess &child, const std::string &title,
                                                      Clock::time_point deadline, xcb_window_t other)
{
    const int fd = xcb_get_file_descriptor(m_connection);
    for (;;) {
        // Take everything already received, each stamped when it was read,
        // before asking the server anything (which would queue events
        // behind a reply and stamp them late).
        std::vector<std::pair<xcb_generic_event_t *, Clock::time_point>> events;
        while (xcb_generic_event_t *e = xcb_poll_for_event(m_connection))
            events.emplace_back(e, Clock::now());

        std::optional<MappedWindow> found;
        for (auto &[event, at] : events) {
            const std::uint8_t type = event->response_type & 0x7f;
            if (type == XCB_UNMAP_NOTIFY) {
                m_unmapped.push_back(reinterpret_cast<xcb_unmap_notify_event_t *>(event)->window);
            } else if (type == XCB_MAP_NOTIFY && !found) {
                const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
                if (!map->override_redirect && map->window != other
                    && pidOf(map->window) == static_cast<std::uint32_t>(child.pid())) {
                    std::string t = titleOf(map->window);
                    if (t == title)
                        found = MappedWindow{map->window, at, std::move(t)};
                }
            }
            std::free(event);
        }
        if (found)
            return found;

        check();
        if (child.hasExited())
            return std::nullopt;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            return std::nullopt;
        // Short slices so that a child that dies is noticed.
        pollfd p{fd, POLLIN, 0};
        ::poll(&p, 1, static_cast<int>(std::min<long long>(left, 20)));
    }
}

// ---------------------------------------------------------------------------

Summary summarize(std::vector<double> values)
{
    Summary s;
    if (values.empty())
        return s;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    s.min = values.front();
    s.max = values.back();
    s.median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    // Nearest rank.
    const size_t rank = static_cast<size_t>(std::ceil(0.9 * static_cast<double>(n)));
    s.p90 = values[std::max<size_t>(rank, 1) - 1];
    s.p10 = values[std::max<size_t>(static_cast<size_t>(std::ceil(0.1 * static_cast<double>(n))), 1) - 1];
    return s;
}

std::string logTail(const std::string &path)
{
    std::ifstream in(path);
    std::stringstream all;
    all << in.rdbuf();
    const std::string s = all.str();
    return s.size() > 2000 ? s.substr(s.size() - 2000) : s;
}

std::optional<StartResult> startOnce(const std::string &label, const std::string &program, const std::string &title,
                                     WindowWatcher &watcher, const RunEnvironment &env, const std::string &logPath)
{
    ChildProcess child(program, env.variables, logPath);
    const std::optional<MappedWindow> mapped = watcher.waitForMap(child, title, child.started() + std::chrono::seconds(20));
    if (!mapped) {
        std::fprintf(stderr, "%s: no window titled \"%s\" mapped%s\n%s", label.c_str(), title.c_str(),
                     child.hasExited() ? " (the program ended)" : " within 20 s", logTail(logPath).c_str());
        return std::nullopt;
    }
    const double ms = msBetween(child.started(), mapped->at);
    const std::optional<std::uint64_t> cpuAtMap = child.cpuTimeNs();
    child.waitUntilQuiet();
    const std::optional<std::uint64_t> cpuQuiet = child.cpuTimeNs();
    child.terminate();
    const int status = child.waitStatus();
    if (!WIFSIGNALED(status) || (WTERMSIG(status) != SIGTERM && WTERMSIG(status) != SIGKILL)) {
        std::fprintf(stderr, "%s: ended on its own or crashed (wait status %d)\n%s", label.c_str(), status,
                     logTail(logPath).c_str());
        return std::nullopt;
    }
    return StartResult{ms, static_cast<double>(child.peakRssKiB()) / 1024.0,
                       cpuAtMap ? static_cast<double>(*cpuAtMap) / 1e6 : 0.0,
                       cpuQuiet ? static_cast<double>(*cpuQuiet) / 1e6 : 0.0};
}

std::string loadAverage()
{
    std::ifstream in("/proc/loadavg");
    std::string a, b, c;
    in >> a >> b >> c;
    return a + " " + b + " " + c;
}

std::string machine()
{
    std::ifstream in("/proc/cpuinfo");
    std::string line, model = "unknown CPU";
    while (std::getline(in, line))
        if (line.rfind("model name", 0) == 0 && line.find(':') != std::string::npos) {
            model = line.substr(line.find(':') + 2);
            break;
        }
    return std::to_string(std::thread::hardware_concurrency()) + " CPUs, " + model;
}

std::string argument(int argc, char **argv, const std::string &name, const std::string &fallback)
{
    const std::string prefix = "--" + name + "=";
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind(prefix, 0) == 0)
            return arg.substr(prefix.size());
    }
    return fallback;
}

} // namespace bench
