// Find-sign benchmark: how long the real starkindle takes from the key press
// on "Find My Sexual Astrology Sign" to its result window mapped, on a
// private Xvfb with no window manager.
//
// Each run starts a fresh starkindle, waits for its main window and for it to
// go quiet, gives the window the input focus, types a name through XTEST and
// tabs six times from the name box to the button (past the three date lists
// and the time and place of birth), then waits for quiet
// again so nothing typed earlier is still being handled. The clock starts
// right before the Return press is sent (Return presses the focused button
// at once; the access key would animate the click for 100 ms) and stops when
// the harness reads the MapNotify of the second window of that process titled
// with the caption (Config.h).
//
// Included: the server passing the key to the program, Qt's key handling,
// checking the entry, the sign lookup, building the result window and
// filling it, hiding the main window and the map request. Not included: the
// result window's first paint (Qt paints after the map).
//
// The run only counts when the new window is as wide as the result window
// and the main window was unmapped on the way: that proves the press went
// through the find button and that the typed name arrived. (An empty name
// stops at a message box, which hides nothing; Return anywhere else presses
// Exit, whose window has the same title but another width.)
//
// The mark is relative, so it holds on slower and faster machines alike:
// every round also starts the bare window of the start-up benchmark (order
// swapped every round), and the median of the per-round ratios of the find
// time to the bare window's start-up time must stay within the mark.
// --reference=PATH adds a find on another starkindle build to every round
// and reports this build against it.
//
// Usage: bench_findsign [--rounds=31] [--warmup=1] [--starkindle=PATH] [--bare=PATH] [--reference=PATH]
//                       [--name=alice]
// Exit status: 0 mark met, 3 ratio above the mark, 1 a run failed.

#include "Config.h"
#include "XHarness.h"

#include <xcb/xtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>

namespace {

constexpr double Mark = 0.40; // find time / the bare window's start-up time
const std::string Title = STARKINDLE_CAPTION;
// The result window's width: 8415 twips at 15 twips a pixel (96 dpi, which
// the virtual display is given).
constexpr std::uint16_t ResultWidth = 561;

constexpr xcb_keysym_t KeysymTab = 0xff09;
constexpr xcb_keysym_t KeysymReturn = 0xff0d;

// Keys sent through the XTEST extension, as if typed on the keyboard.
class Keyboard
{
public:
    explicit Keyboard(xcb_connection_t *c)
        : m_connection(c)
    {
        xcb_test_get_version_reply_t *version =
            xcb_test_get_version_reply(c, xcb_test_get_version(c, 2, 2), nullptr);
        if (!version)
            throw std::runtime_error("the X server has no XTEST extension");
        std::free(version);

        const xcb_setup_t *setup = xcb_get_setup(c);
        m_first = setup->min_keycode;
        const auto count = static_cast<std::uint8_t>(setup->max_keycode - setup->min_keycode + 1);
        xcb_get_keyboard_mapping_reply_t *map =
            xcb_get_keyboard_mapping_reply(c, xcb_get_keyboard_mapping(c, m_first, count), nullptr);
        if (!map)
            throw std::runtime_error("cannot read the keyboard mapping");
        const xcb_keysym_t *syms = xcb_get_keyboard_mapping_keysyms(map);
        m_perCode = map->keysyms_per_keycode;
        m_syms.assign(syms, syms + xcb_get_keyboard_mapping_keysyms_length(map));
        std::free(map);
    }

    // The key that types `sym` without a modifier (first column).
    xcb_keycode_t code(xcb_keysym_t sym) const
    {
        for (size_t i = 0; m_perCode && i < m_syms.size(); i += m_perCode)
            if (m_syms[i] == sym)
                return static_cast<xcb_keycode_t>(m_first + i / m_perCode);
        throw std::runtime_error("no key for keysym " + std::to_string(sym));
    }

    void press(xcb_keycode_t key) { fake(XCB_KEY_PRESS, key); }
    void release(xcb_keycode_t key) { fake(XCB_KEY_RELEASE, key); }
    void tap(xcb_keycode_t key)
    {
        press(key);
        release(key);
    }

private:
    void fake(std::uint8_t type, xcb_keycode_t key)
    {
        xcb_test_fake_input(m_connection, type, key, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    }

    xcb_connection_t *m_connection;
    xcb_keycode_t m_first = 0;
    size_t m_perCode = 0;
    std::vector<xcb_keysym_t> m_syms;
};

// One find; the time in ms, or nothing (after saying why) when it failed.
std::optional<double> runOnce(const std::string &program, const std::string &name, bench::WindowWatcher &watcher,
                              Keyboard &keys, const bench::RunEnvironment &env, const std::string &log)
{
    xcb_connection_t *c = watcher.connection();
    bench::ChildProcess child(program, env.variables, log);
    const std::optional<bench::MappedWindow> main =
        watcher.waitForMap(child, Title, child.started() + std::chrono::seconds(20));
    if (!main) {
        std::cerr << "starkindle: the main window never mapped\n" << bench::logTail(log);
        return std::nullopt;
    }
    child.waitUntilQuiet();

    // No window manager hands out the focus, so the harness does.
    xcb_set_input_focus(c, XCB_INPUT_FOCUS_POINTER_ROOT, main->window, XCB_CURRENT_TIME);
    xcb_flush(c);
    child.waitUntilQuiet();

    for (char letter : name)
        keys.tap(keys.code(static_cast<xcb_keysym_t>(letter)));
    // Name box -> day -> month -> year -> time -> place -> the find button.
    for (int i = 0; i < 6; ++i)
        keys.tap(keys.code(KeysymTab));
    xcb_flush(c);
    watcher.check();
    child.waitUntilQuiet();

    const xcb_keycode_t enter = keys.code(KeysymReturn);
    watcher.forgetUnmapped();
    const bench::Clock::time_point pressed = bench::Clock::now();
    // The release goes with the press: a key held down would repeat. Qt
    // handles the press (and so the click) before it reads the release.
    keys.tap(enter);
    xcb_flush(c);
    const std::optional<bench::MappedWindow> result =
        watcher.waitForMap(child, Title, pressed + std::chrono::seconds(10), main->window);

    if (!result) {
        std::cerr << "starkindle: no result window after Return"
                  << (child.hasExited() ? " (the program ended)\n" : "\n") << bench::logTail(log);
        return std::nullopt;
    }
    const std::optional<std::uint16_t> width = watcher.widthOf(result->window);
    if (width != ResultWidth) {
        std::cerr << "starkindle: the window that came is " << width.value_or(0) << " px wide, not the result window's "
                  << ResultWidth << "\n";
        return std::nullopt;
    }
    const std::vector<xcb_window_t> &gone = watcher.unmapped();
    if (std::find(gone.begin(), gone.end(), main->window) == gone.end()) {
        std::cerr << "starkindle: a second window mapped but the main window stayed; not the result window\n";
        return std::nullopt;
    }
    const double ms = bench::msBetween(pressed, result->at);
    child.terminate();
    return ms;
}

} // namespace

int main(int argc, char **argv)
{
    try {
        const int rounds = std::stoi(bench::argument(argc, argv, "rounds", "31"));
        const int warmup = std::stoi(bench::argument(argc, argv, "warmup", "1"));
        const std::string program = bench::argument(argc, argv, "starkindle", STARKINDLE_EXE);
        const std::string bare = bench::argument(argc, argv, "bare", BARE_WINDOW_EXE);
        const std::string reference = bench::argument(argc, argv, "reference", "");
        const std::string name = bench::argument(argc, argv, "name", "alice");
        if (name.empty() || !std::all_of(name.begin(), name.end(), [](char ch) { return ch >= 'a' && ch <= 'z'; }))
            throw std::runtime_error("--name takes lower-case letters a-z only");

        const std::string loadBefore = bench::loadAverage();
        bench::VirtualDisplay display;
        bench::WindowWatcher watcher(display.name());
        Keyboard keys(watcher.connection());
        bench::ScratchFolder scratch;
        const bench::RunEnvironment env(display.name(), scratch);
        const std::string log = scratch.path() + "/program.log";

        std::vector<double> findMs, bareMs, referenceMs;
        for (int round = 0; round < warmup + rounds; ++round) {
            const bool keep = round >= warmup;
            for (int k = 0; k < 3; ++k) {
                switch ((round + k) % 3) {
                case 0: {
                    const std::optional<double> t = runOnce(program, name, watcher, keys, env, log);
                    if (!t)
                        return 1;
                    if (keep)
                        findMs.push_back(*t);
                    break;
                }
                case 1: {
                    const auto r = bench::startOnce("bare window", bare, "Bare Qt window", watcher, env, log);
                    if (!r)
                        return 1;
                    if (keep)
                        bareMs.push_back(r->ms);
                    break;
                }
                default:
                    if (!reference.empty()) {
                        const std::optional<double> t = runOnce(reference, name, watcher, keys, env, log);
                        if (!t)
                            return 1;
                        if (keep)
                            referenceMs.push_back(*t);
                    }
                }
            }
        }

        std::vector<double> perRound, againstReference;
        for (size_t i = 0; i < findMs.size(); ++i) {
            perRound.push_back(findMs[i] / bareMs[i]);
            if (i < referenceMs.size())
                againstReference.push_back(findMs[i] / referenceMs[i]);
        }
        const bench::Summary s = bench::summarize(findMs), b = bench::summarize(bareMs);
        const bench::Summary r = bench::summarize(perRound);
        std::printf("\nFind-sign: Return on the focused find button to result window mapped, Xvfb %s\n",
                    display.name().c_str());
        std::printf("%d rounds (a fresh starkindle for each find) after %d warm-up; load average before: %s, after: "
                    "%s\n",
                    rounds, warmup, loadBefore.c_str(), bench::loadAverage().c_str());
        std::printf("machine: %s\n", bench::machine().c_str());
        std::printf("  %-34s %9s %9s %9s %9s\n", "", "median", "min", "p90", "max");
        std::printf("  %-34s %9.2f %9.2f %9.2f %9.2f\n", "find (ms)", s.median, s.min, s.p90, s.max);
        std::printf("  %-34s %9.2f %9.2f %9.2f %9.2f\n", "bare window start-up (ms)", b.median, b.min, b.p90, b.max);
        if (!referenceMs.empty()) {
            const bench::Summary f = bench::summarize(referenceMs);
            std::printf("  %-34s %9.2f %9.2f %9.2f %9.2f\n", "find, reference (ms)", f.median, f.min, f.p90, f.max);
        }
        const bool met = r.median <= Mark;
        std::printf("  median of the per-round ratios:\n");
        std::printf("  %-44s %6.3f   p10-p90 %5.3f-%5.3f   min-max %5.3f-%5.3f   mark <= %.2f: %s\n",
                    "find / bare window start-up", r.median, r.p10, r.p90, r.min, r.max, Mark, met ? "met" : "MISSED");
        if (!againstReference.empty()) {
            const bench::Summary a = bench::summarize(againstReference);
            std::printf("  %-44s %6.3f   p10-p90 %5.3f-%5.3f   min-max %5.3f-%5.3f\n", "find, starkindle / reference",
                        a.median, a.p10, a.p90, a.min, a.max);
        }
        std::printf("\n");
        return met ? 0 : 3;
    } catch (const std::exception &e) {
        std::cerr << "bench_findsign: " << e.what() << "\n";
        return 1;
    }
}
