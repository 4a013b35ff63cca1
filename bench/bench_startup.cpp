// Start-up benchmark: starkindle against a bare Qt window, both on a private
// Xvfb with no window manager, run alternately.
//
// Time: from just before posix_spawn to the moment the harness reads the
// MapNotify of the program's top-level window (matched by _NET_WM_PID and
// title). It covers loading the program and its libraries, QApplication and
// the xcb connection, fonts, building the window and the map request; it
// does not cover the first paint, which Qt does after the map.
//
// Peak memory: ru_maxrss from wait4(). After the map the program is left
// until it has gone quiet (its first frame is painted), then ended with
// SIGTERM, so the peak covers start-up and the first frame for both.
//
// Usage: bench_startup [--pairs=20] [--warmup=2] [--starkindle=PATH] [--bare=PATH]
// Exit status: 0 target met, 3 a ratio above the target, 1 a run failed.

#include "XHarness.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include <signal.h>
#include <sys/wait.h>

namespace {

constexpr double TargetRatio = 1.15;

struct Program
{
    const char *label;
    std::string path;
    std::string title;
    std::vector<double> ms;
    std::vector<double> rssMiB;
};

std::string logTail(const std::string &path)
{
    std::ifstream in(path);
    std::stringstream all;
    all << in.rdbuf();
    const std::string s = all.str();
    return s.size() > 2000 ? s.substr(s.size() - 2000) : s;
}

// One start: returns false (after saying why) when the window never came or
// the program did not end by the signal it was sent.
bool runOnce(Program &p, bench::WindowWatcher &watcher, const bench::RunEnvironment &env, const std::string &log,
             bool keep)
{
    bench::ChildProcess child(p.path, env.variables, log);
    const std::optional<bench::MappedWindow> mapped =
        watcher.waitForMap(child, p.title, child.started() + std::chrono::seconds(20));
    if (!mapped) {
        std::cerr << p.label << ": no window titled \"" << p.title << "\" mapped"
                  << (child.hasExited() ? " (the program ended)" : " within 20 s") << "\n"
                  << logTail(log);
        return false;
    }
    const double ms = bench::msBetween(child.started(), mapped->at);
    child.waitUntilQuiet();
    child.terminate();
    const int status = child.waitStatus();
    if (!WIFSIGNALED(status) || (WTERMSIG(status) != SIGTERM && WTERMSIG(status) != SIGKILL)) {
        std::cerr << p.label << ": ended on its own or crashed (wait status " << status << ")\n" << logTail(log);
        return false;
    }
    if (keep) {
        p.ms.push_back(ms);
        p.rssMiB.push_back(static_cast<double>(child.peakRssKiB()) / 1024.0);
    }
    return true;
}

void row(const char *what, const char *label, const bench::Summary &s, int decimals)
{
    std::printf("  %-16s %-16s %9.*f %9.*f %9.*f %9.*f\n", what, label, decimals, s.median, decimals, s.min, decimals,
                s.p90, decimals, s.max);
}

} // namespace

int main(int argc, char **argv)
{
    try {
        const int pairs = std::stoi(bench::argument(argc, argv, "pairs", "20"));
        const int warmup = std::stoi(bench::argument(argc, argv, "warmup", "2"));
        Program app{"starkindle", bench::argument(argc, argv, "starkindle", STARKINDLE_EXE), "Starkindle v1.15", {}, {}};
        Program bare{"bare Qt window", bench::argument(argc, argv, "bare", BARE_WINDOW_EXE), "Bare Qt window", {}, {}};

        const std::string loadBefore = bench::loadAverage();
        bench::VirtualDisplay display;
        bench::WindowWatcher watcher(display.name());
        bench::ScratchFolder scratch;
        const bench::RunEnvironment env(display.name(), scratch);
        const std::string log = scratch.path() + "/program.log";

        // Alternate, and swap which goes first every pair, so drift in the
        // machine's state hits both alike. The warm-up pairs fill the page
        // cache and the font cache and are not counted.
        for (int i = 0; i < warmup + pairs; ++i) {
            const bool keep = i >= warmup;
            Program &first = i % 2 ? bare : app;
            Program &second = i % 2 ? app : bare;
            if (!runOnce(first, watcher, env, log, keep) || !runOnce(second, watcher, env, log, keep))
                return 1;
        }

        const bench::Summary appTime = bench::summarize(app.ms), bareTime = bench::summarize(bare.ms);
        const bench::Summary appRss = bench::summarize(app.rssMiB), bareRss = bench::summarize(bare.rssMiB);
        const double timeRatio = appTime.median / bareTime.median;
        const double rssRatio = appRss.median / bareRss.median;

        std::printf("\nStart-up: process start to main window mapped, Xvfb %s without a window manager\n",
                    display.name().c_str());
        std::printf("%d alternating pairs after %d warm-up pairs; load average before: %s, after: %s\n", pairs, warmup,
                    loadBefore.c_str(), bench::loadAverage().c_str());
        std::printf("machine: %s\n", bench::machine().c_str());
        std::printf("  %-16s %-16s %9s %9s %9s %9s\n", "", "program", "median", "min", "p90", "max");
        row("time (ms)", app.label, appTime, 1);
        row("", bare.label, bareTime, 1);
        row("peak RSS (MiB)", app.label, appRss, 2);
        row("", bare.label, bareRss, 2);
        const bool timeMet = timeRatio <= TargetRatio, rssMet = rssRatio <= TargetRatio;
        std::printf("  ratio of medians starkindle / bare: time %.3f (%s), peak RSS %.3f (%s); target <= %.2f\n\n",
                    timeRatio, timeMet ? "met" : "MISSED", rssRatio, rssMet ? "met" : "MISSED", TargetRatio);
        return timeMet && rssMet ? 0 : 3;
    } catch (const std::exception &e) {
        std::cerr << "bench_startup: " << e.what() << "\n";
        return 1;
    }
}
