// Start-up benchmark: starkindle against a bare Qt window and a bare window
// with one text label, all on a private Xvfb with no window manager.
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
// Every round starts each program once, in an order rotated by one program
// each round, so drift in the machine's load hits all alike; the ratios are
// taken within each round and their median is compared with the marks. The
// marks guard against regressions and are set against the label window, not
// the bare one: what having text at all costs (fonts, shaping) differs from
// machine to machine, while starkindle's share over it does not.
//
// --reference=PATH adds another starkindle build (for instance of an older
// commit) to every round and reports this build against it.
//
// Usage: bench_startup [--rounds=31] [--warmup=2] [--starkindle=PATH] [--bare=PATH] [--label=PATH]
//                      [--reference=PATH]
// Exit status: 0 all marks met, 3 a ratio above its mark, 1 a run failed.

#include "Config.h"
#include "XHarness.h"

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr double TimeMark = 1.32; // starkindle / label window, time to mapped
constexpr double RssMark = 1.15;  // starkindle / label window, peak RSS

struct Program
{
    std::string label;
    std::string path;
    std::string title;
    std::vector<double> ms;
    std::vector<double> rssMiB;
};

void programRow(const char *what, const Program &p, const bench::Summary &s, int decimals)
{
    std::printf("  %-16s %-28s %9.*f %9.*f %9.*f %9.*f\n", what, p.label.c_str(), decimals, s.median, decimals, s.min,
                decimals, s.p90, decimals, s.max);
}

std::vector<double> ratios(const std::vector<double> &a, const std::vector<double> &b)
{
    std::vector<double> r;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i)
        r.push_back(a[i] / b[i]);
    return r;
}

// Prints the median of the per-round ratios with their spread; true when the
// median is within `mark` (no mark: always true).
bool ratioRow(const std::string &what, const std::vector<double> &perRound, double mark = 0)
{
    const bench::Summary s = bench::summarize(perRound);
    std::printf("  %-44s %6.3f   p10-p90 %5.3f-%5.3f   min-max %5.3f-%5.3f", what.c_str(), s.median, s.p10, s.p90,
                s.min, s.max);
    const bool met = mark <= 0 || s.median <= mark;
    if (mark > 0)
        std::printf("   mark <= %.2f: %s", mark, met ? "met" : "MISSED");
    std::printf("\n");
    return met;
}

} // namespace

int main(int argc, char **argv)
{
    try {
        const int rounds = std::stoi(bench::argument(argc, argv, "rounds", "31"));
        const int warmup = std::stoi(bench::argument(argc, argv, "warmup", "2"));
        const std::string reference = bench::argument(argc, argv, "reference", "");
        std::vector<Program> programs = {
            {"starkindle", bench::argument(argc, argv, "starkindle", STARKINDLE_EXE), STARKINDLE_CAPTION, {}, {}},
            {"bare window", bench::argument(argc, argv, "bare", BARE_WINDOW_EXE), "Bare Qt window", {}, {}},
            {"bare window with a label", bench::argument(argc, argv, "label", BARE_LABEL_WINDOW_EXE),
             "Bare Qt window with a label", {}, {}},
        };
        if (!reference.empty())
            programs.push_back({"reference starkindle", reference, STARKINDLE_CAPTION, {}, {}});
        const Program &app = programs[0], &bare = programs[1], &label = programs[2];

        const std::string loadBefore = bench::loadAverage();
        bench::VirtualDisplay display;
        bench::WindowWatcher watcher(display.name());
        bench::ScratchFolder scratch;
        const bench::RunEnvironment env(display.name(), scratch);
        const std::string log = scratch.path() + "/program.log";

        // The warm-up rounds fill the page cache and the font cache and are
        // not counted.
        const size_t n = programs.size();
        for (int round = 0; round < warmup + rounds; ++round) {
            for (size_t k = 0; k < n; ++k) {
                Program &p = programs[(static_cast<size_t>(round) + k) % n];
                const std::optional<bench::StartResult> r = bench::startOnce(p.label, p.path, p.title, watcher, env, log);
                if (!r)
                    return 1;
                if (round >= warmup) {
                    p.ms.push_back(r->ms);
                    p.rssMiB.push_back(r->rssMiB);
                }
            }
        }

        std::printf("\nStart-up: process start to main window mapped, Xvfb %s without a window manager\n",
                    display.name().c_str());
        std::printf("%d rounds (each program once a round, order rotated) after %d warm-up; load average before: "
                    "%s, after: %s\n",
                    rounds, warmup, loadBefore.c_str(), bench::loadAverage().c_str());
        std::printf("machine: %s\n", bench::machine().c_str());
        std::printf("  %-16s %-28s %9s %9s %9s %9s\n", "", "program", "median", "min", "p90", "max");
        for (const Program &p : programs)
            programRow(&p == &programs[0] ? "time (ms)" : "", p, bench::summarize(p.ms), 1);
        for (const Program &p : programs)
            programRow(&p == &programs[0] ? "peak RSS (MiB)" : "", p, bench::summarize(p.rssMiB), 2);
        std::printf("  median of the per-round ratios:\n");
        const bool timeMet = ratioRow("time, starkindle / label window", ratios(app.ms, label.ms), TimeMark);
        const bool rssMet =
            ratioRow("peak RSS, starkindle / label window", ratios(app.rssMiB, label.rssMiB), RssMark);
        ratioRow("time, starkindle / bare window", ratios(app.ms, bare.ms));
        ratioRow("peak RSS, starkindle / bare window", ratios(app.rssMiB, bare.rssMiB));
        ratioRow("time, label window / bare window", ratios(label.ms, bare.ms));
        ratioRow("peak RSS, label window / bare window", ratios(label.rssMiB, bare.rssMiB));
        if (!reference.empty()) {
            ratioRow("time, starkindle / reference", ratios(app.ms, programs[3].ms));
            ratioRow("peak RSS, starkindle / reference", ratios(app.rssMiB, programs[3].rssMiB));
        }
        std::printf("\n");
        return timeMet && rssMet ? 0 : 3;
    } catch (const std::exception &e) {
        std::cerr << "bench_startup: " << e.what() << "\n";
        return 1;
    }
}
