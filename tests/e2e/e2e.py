"""End-to-end tests of the real starkindle binary.

Each test starts the application in a private environment (settings, runtime
folder, and an xdg-open on PATH that records the addresses it is given), types
and presses keys with xdotool as a user would, and reads the windows through
the accessibility bus as a screen reader would. Nothing in the application is
built for the tests.
"""

import ctypes
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest
import urllib.parse
import warnings

warnings.simplefilter("ignore", DeprecationWarning)
import pyatspi  # noqa: E402

BINARY = sys.argv.pop(1)
# As the build configured them (src/Config.h); CTest passes them on.
WEB = os.environ["STARKINDLE_WEB_SITE"]
HELP = os.environ["STARKINDLE_HELP_SITE"]
TITLE = os.environ["STARKINDLE_CAPTION"]
HOST = urllib.parse.urlsplit(WEB).hostname


def wait_for(what, predicate, timeout=10.0):
    end = time.monotonic() + timeout
    while True:
        result = predicate()
        if result:
            return result
        if time.monotonic() > end:
            raise AssertionError("timed out waiting for " + what)
        time.sleep(0.1)


# Keys, text and clicks return at once; what they change is waited for.
def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "80", *names], check=True)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "60", text], check=True)


def bind_keysyms(*names):
    """Gives each keysym that no key of the virtual keyboard makes a spare key
    of its own. xdotool would otherwise map one for the length of each press,
    and an application that gets to the key only after the mapping is undone
    reads another key or none."""
    x11 = ctypes.CDLL("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XDisplayKeycodes.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_int)]
    x11.XGetKeyboardMapping.restype = ctypes.POINTER(ctypes.c_ulong)
    x11.XGetKeyboardMapping.argtypes = [ctypes.c_void_p, ctypes.c_ubyte, ctypes.c_int, ctypes.POINTER(ctypes.c_int)]
    x11.XChangeKeyboardMapping.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int,
                                           ctypes.POINTER(ctypes.c_ulong), ctypes.c_int]
    x11.XStringToKeysym.restype = ctypes.c_ulong
    x11.XStringToKeysym.argtypes = [ctypes.c_char_p]
    x11.XFree.argtypes = [ctypes.c_void_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(None)
    if not display:
        raise AssertionError("cannot open the X display to bind " + ", ".join(names))
    low, high, per = ctypes.c_int(), ctypes.c_int(), ctypes.c_int()
    x11.XDisplayKeycodes(display, ctypes.byref(low), ctypes.byref(high))
    count = high.value - low.value + 1
    table = x11.XGetKeyboardMapping(display, low.value, count, ctypes.byref(per))
    rows = [[table[code * per.value + i] for i in range(per.value)] for code in range(count)]
    x11.XFree(table)
    spare = [low.value + code for code in range(count) if not any(rows[code])]
    for name in names:
        keysym = x11.XStringToKeysym(name.encode())
        if any(keysym in row for row in rows):
            continue
        if len(spare) < 2:  # one stays for xdotool
            raise AssertionError("no spare key left for " + name)
        x11.XChangeKeyboardMapping(display, spare.pop(0), 1, (ctypes.c_ulong * 1)(keysym), 1)
    x11.XCloseDisplay(display)


def x_window(process, frame):
    """The X window of the process that shows frame."""
    def match():
        # Read each time: a window just shown may still be taking its size.
        _, _, width, height = frame.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        ids = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(process.pid), "--name",
                              "^%s$" % frame.name], capture_output=True, text=True).stdout.split()
        for window in ids:
            geometry = subprocess.run(["xdotool", "getwindowgeometry", "--shell", window],
                                      capture_output=True, text=True).stdout
            values = dict(line.split("=", 1) for line in geometry.split())
            if int(values.get("WIDTH", -1)) == width and int(values.get("HEIGHT", -1)) == height:
                return window
        return None
    return wait_for("the X window of %r" % frame.name, match)


def active_window():
    return subprocess.run(["xdotool", "getactivewindow"], capture_output=True, text=True).stdout.strip()


def focus(process, frame):
    """Waits until the window manager has made the process's window that
    shows frame the active one, as it does for a new or uncovered window."""
    window = x_window(process, frame)
    wait_for("%r to become the active window" % frame.name, lambda: active_window() == window)
    wait_for("the application to see %r as active" % frame.name,
             lambda: frame.getState().contains(pyatspi.STATE_ACTIVE))
    return window


def top_of_stack():
    """The X window the window manager stacks above all others."""
    out = subprocess.run(["xprop", "-root", "_NET_CLIENT_LIST_STACKING"], capture_output=True, text=True,
                         check=True).stdout
    return str(int(out.split("#", 1)[1].replace(",", " ").split()[-1], 16))


def walk(acc, depth=0):
    """Every accessible below acc, depth first."""
    if acc is None or depth > 12:
        return
    yield acc
    for i in range(acc.childCount):
        yield from walk(acc.getChildAtIndex(i), depth + 1)


def texts(acc):
    return [a.name for a in walk(acc) if a.getRoleName() == "label"]


class Session:
    """One run of the application with its own settings and runtime folder."""

    def __init__(self, reminder_date=None, language=None):
        self.root = tempfile.mkdtemp(prefix="starkindle-e2e-")
        self.config = os.path.join(self.root, "config")
        self.runtime = os.path.join(self.root, "runtime")
        self.bin = os.path.join(self.root, "bin")
        self.opened_log = os.path.join(self.root, "opened.txt")
        for d in (self.config, self.runtime, self.bin):
            os.makedirs(d, mode=0o700)
        opener = os.path.join(self.bin, "xdg-open")
        with open(opener, "w") as f:
            # A browser started with SIGPIPE ignored (as the application has
            # it) would misbehave in its pipes: the address is marked then.
            f.write('#!/bin/sh\nignored=0x$(sed -n "s/^SigIgn:[[:space:]]*//p" /proc/self/status)\n'
                    '[ $((ignored & 0x1000)) -eq 0 ] || set -- "$1 (with SIGPIPE ignored)"\n'
                    'printf "%%s\\n" "$1" >> "%s"\n' % self.opened_log)
        os.chmod(opener, 0o755)
        if reminder_date:
            os.makedirs(os.path.join(self.config, "starkindle"))
            with open(self.settings_path(), "w") as f:
                f.write("[Settings]\nUpdateReminderDate=%s\n" % reminder_date)
        self.env = dict(os.environ)
        self.env.update({
            "XDG_CONFIG_HOME": self.config,
            "XDG_RUNTIME_DIR": self.runtime,
            "STARKINDLE_INSTANCE_DIR": self.runtime,
            "PATH": self.bin + os.pathsep + os.environ["PATH"],
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            "QT_ACCESSIBILITY": "1",
        })
        self.env.pop("BROWSER", None)
        # English unless a test asks for a language, whatever the machine's.
        for variable in ("LANGUAGE", "LC_ALL", "LC_MESSAGES"):
            self.env.pop(variable, None)
        self.env["LANG"] = "C.UTF-8"
        if language:
            self.env["LANGUAGE"] = language
        self.processes = []

    def settings_path(self):
        return os.path.join(self.config, "starkindle", "starkindle.ini")

    def start(self):
        process = subprocess.Popen([BINARY], env=self.env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL, start_new_session=True)
        self.processes.append(process)
        return process

    def app(self, process):
        def find():
            desktop = pyatspi.Registry.getDesktop(0)
            for i in range(desktop.childCount):
                a = desktop.getChildAtIndex(i)
                try:
                    if a is not None and a.get_process_id() == process.pid:
                        return a
                except Exception:
                    pass
            return None
        return wait_for("the application on the accessibility bus", find)

    def windows(self, app):
        """The application's top-level windows that are showing."""
        result = []
        for i in range(app.childCount):
            w = app.getChildAtIndex(i)
            if w is not None and w.getState().contains(pyatspi.STATE_SHOWING):
                result.append(w)
        return result

    def window(self, app, predicate, what, process=None):
        """The first showing window that satisfies predicate; with a process,
        once the window manager has given it the keyboard focus."""
        found = wait_for(what, lambda: next((w for w in self.windows(app) if predicate(w)), None))
        if process is not None:
            focus(process, found)
        return found

    def opened(self):
        if not os.path.exists(self.opened_log):
            return []
        with open(self.opened_log) as f:
            return f.read().splitlines()

    def wait_opened(self, count):
        return wait_for("%d address(es) opened" % count, lambda: len(self.opened()) >= count and self.opened())

    def close(self):
        for p in self.processes:
            if p.poll() is None:
                os.killpg(p.pid, signal.SIGKILL)
                p.wait()
        shutil.rmtree(self.root, ignore_errors=True)


def is_main(w):
    return w.name == TITLE and "Find My Sexual Astrology Sign" in [a.name for a in walk(w)]


def is_result(w):
    return w.name == TITLE and "Eros in your Chart is Placed in" in texts(w)


def is_exit_window(w):
    return w.name == TITLE and "Refer A Friend Now" in [a.name for a in walk(w)]


def is_about(w):
    return w.name == TITLE and "Click here for more details" in [a.name for a in walk(w)]


def is_box(w):
    return w.name == "Starkindle" and w.getRoleName() in ("alert", "dialog")


# Role names as AT-SPI spells them; newer releases call a push button "button".
ROLE_ALIASES = {"push button": ("push button", "button")}


def child_named(window, name, role=None):
    roles = ROLE_ALIASES.get(role, (role,))
    for a in walk(window):
        if a.name == name and (role is None or a.getRoleName() in roles):
            return a
    raise AssertionError("no %s named %r" % (role or "accessible", name))


def described(window, description):
    for a in walk(window):
        if a.description == description:
            return a
    raise AssertionError("nothing described as %r" % description)


def tab_to(acc, limit=10):
    """Presses Tab until acc has the focus, as a keyboard user would; after
    each Tab, waits for the focus to leave where it was."""
    window = acc
    while window.getRoleName() not in ("frame", "dialog"):
        window = window.parent
    for _ in range(limit):
        if acc.getState().contains(pyatspi.STATE_FOCUSED):
            return
        before = focused_in(window)
        keys("Tab")
        if before is not None:
            wait_for("Tab to move the focus from %r" % before.name,
                     lambda: not before.getState().contains(pyatspi.STATE_FOCUSED))
    raise AssertionError("Tab never reached %r" % acc.name)


def labelled_by(acc):
    """The names of the labels a screen reader names acc by."""
    return [relation.getTarget(0).name for relation in acc.getRelationSet()
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY]


def combos(window):
    return [a for a in walk(window) if a.getRoleName() == "combo box"]


def links(window):
    return [a for a in walk(window) if a.getRoleName() == "link"]


def focused_in(window):
    """The control in window with the focus, or None."""
    return next((a for a in walk(window) if a.getState().contains(pyatspi.STATE_FOCUSED)
                 and a.getRoleName() not in ("frame", "dialog")), None)


def focus_is(window, name):
    focused = focused_in(window)
    return focused is not None and focused.name == name


def press(acc):
    """A screen reader's press action; answers how long the call took."""
    action = acc.queryAction()
    start = time.monotonic()
    action.doAction([action.getName(i) for i in range(action.nActions)].index("Press"))
    return time.monotonic() - start


def click(acc, button=1):
    """A real mouse click in the middle of an accessible's area on screen."""
    x, y, w, h = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", "--sync", str(x + min(w // 2, 20)), str(y + h // 2),
                    "click", str(button)], check=True)


class EndToEnd(unittest.TestCase):
    def setUp(self):
        self.session = Session()

    def tearDown(self):
        self.session.close()

    def start_main(self):
        process = self.session.start()
        app = self.session.app(process)
        main = self.session.window(app, is_main, "the main window", process)
        return process, app, main

    def dismiss_box(self, process, app, text, key="Return"):
        box = self.session.window(app, is_box, "a message box saying %r" % text, process)
        self.assertIn(text, texts(box))
        keys(key)
        wait_for("the box to close", lambda: not any(is_box(w) for w in self.session.windows(app)))
        # The window manager hands the focus back to the window underneath.
        focus(process, next(w for w in self.session.windows(app) if w.name == TITLE))

    def test_lookup_back_and_lookup_again_by_keyboard(self):
        process, app, main = self.start_main()
        # The inputs carry the captions a screen reader speaks.
        name_box = child_named(main, "Name", "text")
        lists = [a for a in walk(main) if a.getRoleName() == "combo box"]
        self.assertEqual(len(lists), 3)
        labelled_by = []
        for combo in lists:
            for relation in combo.getRelationSet():
                if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
                    labelled_by.append(relation.getTarget(0).name)
        self.assertEqual(labelled_by, ["Date", "Month", "Year"])
        wait_for("the focus in the name box", lambda: name_box.getState().contains(pyatspi.STATE_FOCUSED))

        type_text("ann1")
        self.dismiss_box(process, app, "Please Enter only Letters")
        # A dead key, a Compose sequence and a middle-button paste of the X
        # selection meet the same filter as typed keys.
        for composed in (["dead_acute", "e"], ["Multi_key", "1", "2"]):
            keys(*composed)
            self.dismiss_box(process, app, "Please Enter only Letters")
        subprocess.run(["xclip", "-selection", "primary"], input=b"line one\nline two", check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        click(name_box, button=2)
        self.dismiss_box(process, app, "Please Enter only Letters")
        type_text("a")
        wait_for("the name to read 'ANNA'", lambda: name_box.queryText().getText(0, -1) == "ANNA")

        # 15 March 1965 with the keyboard alone.
        keys("Tab", "End", "Home", *["Down"] * 14, "Tab", "Down", "Down", "Tab", *["Down"] * 25)
        wait_for("the lists to read 15 March 1965", lambda: [c.name for c in lists] == ["15", "March", "1965"])
        keys("alt+s")
        result = self.session.window(app, is_result, "the result window", process)
        wait_for("the main window to hide", lambda: not main.getState().contains(pyatspi.STATE_SHOWING))
        self.assertEqual(described(result, "Your sexual astrology sign").name, "Aquarius")
        self.assertTrue(described(result, "The reading for your sign").name.startswith(
            "Following the same well-trodden path is not your way of"))
        # Copy by its key: the notes with the result.
        keys("ctrl+c")
        clipboard = lambda: subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True).stdout
        wait_for("the result on the clipboard", lambda: clipboard().startswith(
            b"Answer for ANNA, born on 15 March 1965.\nEros in your Chart is Placed in Aquarius\nThe sign comes from"))

        # Back by its access key, Enter typed ahead of a busy application:
        # both keys reach it while it cannot act on either (stopped), so it
        # reads them together whatever the scheduling. The Enter was aimed at
        # the result window and goes nowhere else: no exit window comes.
        os.kill(process.pid, signal.SIGSTOP)
        try:
            # xdotool ends only once the X server has taken both keys.
            subprocess.run(["xdotool", "key", "--delay", "0", "alt+b", "Return"], check=True)
        finally:
            os.kill(process.pid, signal.SIGCONT)
        main = self.session.window(app, is_main, "the main window again", process)
        # Once a Tab pressed after it has moved the focus, the Enter has been
        # handled too.
        tab_to(combos(main)[2])
        self.assertEqual([w.name for w in self.session.windows(app)], [TITLE])
        self.assertEqual([c.name for c in [a for a in walk(main) if a.getRoleName() == "combo box"]],
                         ["15", "March", "1965"])
        self.assertEqual(child_named(main, "Name", "text").queryText().getText(0, -1), "ANNA")

        keys("Down", "Down", "Down")
        wait_for("the year to read 1968", lambda: combos(main)[2].name == "1968")
        keys("alt+s")
        result = self.session.window(app, is_result, "the second result window", process)
        self.assertEqual(described(result, "Your sexual astrology sign").name, "Libra")
        self.assertIsNone(process.poll())

    def test_birth_time_and_place_by_keyboard(self):
        """At Kiritimati (UTC+14) Eros entered Sagittarius at 01:59 local time
        on 24 February 2035, 11:59 UT the day before: the place without a time
        gives both signs, the other reading a Tab and a key away; a time
        before the change gives one."""
        process, app, main = self.start_main()
        day, month, year = combos(main)
        when = child_named(main, "Time of birth", "text")
        where = child_named(main, "Place of birth", "text")
        find = child_named(main, "Find My Sexual Astrology Sign", "push button")
        self.assertEqual([labelled_by(a) for a in (day, month, year, when, where)],
                         [["Date"], ["Month"], ["Year"], ["Time of Birth"], ["Place of Birth"]])
        self.assertEqual([when.description, where.description],
                         ["Hours and minutes, such as 14:30; leave it empty if unknown",
                          "A town or city, such as London; leave it empty if unknown"])
        name_box = child_named(main, "Name", "text")
        wait_for("the focus in the name box", lambda: name_box.getState().contains(pyatspi.STATE_FOCUSED))
        type_text("ann")
        tab_to(day)
        keys("Home", *["Down"] * 23)
        tab_to(month)
        keys("Down")
        tab_to(year)
        keys("End", *["Up"] * 65)
        wait_for("the lists to read 24 February 2035", lambda: [c.name for c in combos(main)] == ["24", "February", "2035"])
        tab_to(when)  # and on: the time is not known
        tab_to(where)
        # No town of Kiritimati is listed, so nothing is offered: the zone of
        # that name answers.
        type_text("Kiritimati")
        wait_for("the place typed", lambda: where.queryText().getText(0, -1) == "Kiritimati")
        tab_to(find)
        keys("Return")
        result = self.session.window(app, is_result, "the result window", process)
        sign = described(result, "Your sexual astrology sign")
        reading = described(result, "The reading for your sign")
        notes = described(result, "Notes on your sign")
        self.assertEqual(sign.name, "Scorpio or Sagittarius")
        self.assertTrue(reading.name.startswith("The most intriguing position of 12 zodiacs, Eros is all intensity"))
        self.assertEqual(notes.name.splitlines()[:2], ["Answer for ANN, born on 24 February 2035 in Kiritimati, KI.",
                                                       "The reading shown is for Scorpio: for births before 01:59 "
                                                       "local time."])
        other = child_named(result, "Show the reading for Sagittarius", "push button")
        wait_for("the focus on Exit", lambda: focus_is(result, "Exit"))
        tab_to(other)  # after Exit and Back
        keys("Return")
        wait_for("the Sagittarius reading", lambda: reading.name.startswith("If you have Eros in Sagittarius"))
        wait_for("the notes to say whom it is for", lambda: notes.name.splitlines()[1:2] == [
            "The reading shown is for Sagittarius: for births at or after 01:59 local time."])
        self.assertEqual(sign.name, "Scorpio or Sagittarius")
        self.assertEqual(other.name, "Show the reading for Scorpio")
        self.assertTrue(other.getState().contains(pyatspi.STATE_FOCUSED))
        # The notes are the next stop, so that the arrow keys scroll them.
        pane = child_named(result, "Notes on your sign", "filler")
        keys("Tab")
        wait_for("Tab to reach the notes", lambda: pane.getState().contains(pyatspi.STATE_FOCUSED))

        child_named(result, "Back", "push button")
        keys("alt+b")
        main = self.session.window(app, is_main, "the main window again", process)
        keys("alt+t")  # the time's label leads to its box
        wait_for("the focus in the time box", lambda: focus_is(main, "Time of birth"))
        type_text("01:40")
        wait_for("the time typed", lambda: child_named(main, "Time of birth", "text").queryText().getText(0, -1)
                 == "01:40")
        keys("alt+s")
        result = self.session.window(app, is_result, "the second result window", process)
        sign = described(result, "Your sexual astrology sign")
        wait_for("one sign", lambda: sign.name == "Scorpio")
        self.assertEqual(described(result, "Notes on your sign").name.splitlines()[0],
                         "Answer for ANN, born on 24 February 2035 at 01:40 in Kiritimati, KI.")
        self.assertFalse(any(a.name.startswith("Show the reading for") and a.getState().contains(pyatspi.STATE_SHOWING)
                             for a in walk(result)))


    def test_each_validation_message(self):
        process, app, main = self.start_main()
        # A screen reader's File > Exit while the box is up is dropped: the
        # main window stays and takes the focus in the name box after OK.
        press(child_named(main, "Find My Sexual Astrology Sign", "menu item"))
        self.session.window(app, is_box, "the name message", process)
        press(child_named(main, "Exit", "menu item"))
        self.dismiss_box(process, app, "Please Enter Your Name")
        name_box = child_named(main, "Name", "text")
        wait_for("the focus in the name box", lambda: name_box.getState().contains(pyatspi.STATE_FOCUSED))
        self.assertIsNone(process.poll())
        type_text("x")
        day, month, year = combos(main)
        tab_to(day)
        keys("End")  # 31
        tab_to(month)
        keys("Down")  # February
        tab_to(year)
        keys("Down")  # 1941
        keys("alt+s")
        self.dismiss_box(process, app, "Please Enter Correct Date Or Month!")
        tab_to(month)
        keys("Down", "Down")  # April
        keys("alt+s")
        self.dismiss_box(process, app, "Please Enter Correct Date Or Month !")
        self.assertFalse(any(is_result(w) for w in self.session.windows(app)))
        self.assertEqual([c.name for c in combos(main)], ["31", "April", "1941"])

    def test_menu_links_and_about(self):
        process, app, main = self.start_main()
        keys("alt+h", "o")  # Help > Online Help
        self.assertEqual(self.session.wait_opened(1), [WEB + "/starkindle/starkindle-help.html"])
        keys("alt+d")  # Donate
        self.assertEqual(self.session.wait_opened(2)[1], HELP + "/donate.html")
        keys("alt+h", "a")  # Help > About Software
        about = self.session.window(app, is_about, "the About window", process)
        self.assertEqual(about.name, TITLE)
        click(child_named(about, "Click here to visit " + HOST, "link"))
        self.session.wait_opened(3)
        click(child_named(about, "Click here for more details", "link"))
        self.assertEqual(self.session.wait_opened(4)[2:], [WEB, HELP + "/fully-branded.html"])
        self.assertTrue(about.getState().contains(pyatspi.STATE_SHOWING))  # links leave it open
        keys("Escape")
        wait_for("the About window to close", lambda: not any(is_about(w) for w in self.session.windows(app)))
        self.assertIsNone(process.poll())
        os.remove(os.path.join(self.session.bin, "xdg-open"))  # no opener: the link's box holds its address
        keys("alt+h", "o")
        field = child_named(self.session.window(app, is_box, "the box", process), "Address of the page", "text")
        keys("Tab")
        wait_for("Tab to reach the address", lambda: field.getState().contains(pyatspi.STATE_FOCUSED))
        text, (x, y, w, h) = field.queryText(), field.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        self.assertEqual(text.getText(0, -1), WEB + "/starkindle/starkindle-help.html")
        cx, cy, cw, ch = text.getCharacterExtents(text.characterCount - 1, pyatspi.DESKTOP_COORDS)
        self.assertTrue(x <= cx and cx + cw <= x + w and y <= cy and cy + ch <= y + h)  # the last one shows

    def test_every_link_by_tab_and_by_action(self):
        """In each window the links follow the other controls in the tab
        order and open their pages with Enter or Space, and by a screen
        reader's press action, which answers at once; so do menu commands
        that open a modal window or box. Of the two promotional labels only
        the one in front is there at all."""
        promotions = {"Home Business Opportunity.": HELP + "/fully-branded.html",
                      "Co-brand this software for your site": HELP + "/co-brand.html"}
        banner = ("Talk it over in the Corvane forum at " + HOST, WEB)
        pages = []

        def check_links(process, window, tabs_to_first, expected):
            found = links(window)
            self.assertEqual([a.name for a in found], [name for name, _ in expected])
            keys(*["Tab"] * tabs_to_first)
            for link, (_, page), key in zip(found, expected, ["Return", "space"] * 2):
                wait_for("the focus on %r" % link.name, lambda: focus_is(window, link.name))
                keys(key)
                pages.append(page)
                self.assertEqual(self.session.wait_opened(len(pages)), pages)
                keys("Tab")
            wait_for("Tab to go round to the first control",
                     lambda: (focused := focused_in(window)) is not None and focused.getRoleName() != "link")
            for link, (_, page) in zip(found, expected):
                self.assertLess(press(link), 3)
                pages.append(page)
                self.assertEqual(self.session.wait_opened(len(pages)), pages)

        def front_promotion(window):
            shown = [(a.name, page) for a in walk(window) for prefix, page in promotions.items()
                     if a.name.startswith(prefix)]
            self.assertEqual(len(shown), 1)
            return shown[0]

        process, app, main = self.start_main()
        self.assertLess(press(child_named(main, "Find My Sexual Astrology Sign", "menu item")), 3)
        self.dismiss_box(process, app, "Please Enter Your Name")
        # After name, lists, time, place, Find and Exit.
        check_links(process, main, 8, [banner, front_promotion(main)])

        type_text("ann")
        keys("alt+s")
        result = self.session.window(app, is_result, "the result window", process)
        reading = described(result, "The reading for your sign")
        # The notes come before the reading.
        self.assertEqual(result.description, "Eros in your Chart is Placed in Scorpio. Answer for ANN, born on 1 "
                         "January 1940. The sign comes from the original table, which covers 1940 to 1990. In the "
                         "computed sky, over the day in UT, Eros moved from 6°40′ to 7°29′ Scorpio. " + reading.name)
        self.assertEqual(reading.queryText().getText(0, -1), reading.name)
        wait_for("the focus on Exit", lambda: focus_is(result, "Exit"))
        check_links(process, result, 3, [banner, front_promotion(result)])  # after Exit, Back, the notes

        self.assertLess(press(child_named(result, "About Software", "menu item")), 3)
        about = self.session.window(app, is_about, "the About window", process)
        check_links(process, about, 1, [("Click here to visit " + HOST, WEB),
                                        ("Click here for more details", HELP + "/fully-branded.html")])
        keys("Escape")
        focus(process, self.session.window(app, is_result, "the result window again"))

        keys("alt+e")
        exit_window = self.session.window(app, is_exit_window, "the exit window", process)
        check_links(process, exit_window, 1, [("Click Here To Visit Corvane Softwares", WEB + "/corvanesoftwares")])
        keys("alt+x")
        self.assertEqual(process.wait(timeout=10), 0)

    def test_update_reminder_before_main_window(self):
        self.session.close()
        self.session = Session(reminder_date="2000-01-01")
        process = self.session.start()
        app = self.session.app(process)
        box = self.session.window(app, is_box, "the update question", process)
        question = " ".join(texts(box))
        self.assertIn("There maybe an update to this software available", question)
        self.assertIn("Do you want to check for an update?", question)
        self.assertFalse(any(is_main(w) for w in self.session.windows(app)))
        keys("Return")  # Yes is the default
        self.session.window(app, is_main, "the main window after the question")
        self.assertEqual(self.session.wait_opened(1), [WEB + "/starkindle/download-starkindle.html"])
        with open(self.session.settings_path()) as f:
            self.assertIn("UpdateReminderDate=" + time.strftime("%Y-%m-%d"), f.read())

    def test_lookup_in_german(self):
        """With LANGUAGE=de every window and box is in German, Qt's buttons
        too, and 15 March 1965 gives Wassermann, as it gives Aquarius in
        English."""
        self.session.close()
        self.session = Session(reminder_date="2000-01-01", language="de")
        process = self.session.start()
        app = self.session.app(process)
        box = self.session.window(app, is_box, "the update question in German", process)
        self.assertIn("Möglicherweise gibt es ein Update für diese Software", " ".join(texts(box)))
        child_named(box, "Ja", "push button")
        keys("Escape")  # Nein
        main = self.session.window(app, lambda w: w.name == TITLE and "Mein sexuelles Sternzeichen finden" in [
            a.name for a in walk(w)], "the German main window", process)
        type_text("anna")
        keys("Tab", "End", "Home", *["Down"] * 14, "Tab", "Down", "Down", "Tab", *["Down"] * 25)
        wait_for("the lists to read 15 März 1965", lambda: [c.name for c in combos(main)] == ["15", "März", "1965"])
        keys("alt+f")  # Mein sexuelles Sternzeichen &finden
        result = self.session.window(app, lambda w: w.name == TITLE and "Eros steht in Ihrem Horoskop im Zeichen"
                                     in texts(w), "the German result window", process)
        self.assertEqual(described(result, "Ihr sexuelles Sternzeichen").name, "Wassermann")
        self.assertTrue(described(result, "Die Deutung Ihres Zeichens").name.startswith("Ausgetretene Pfade"))
        keys("alt+b")  # &Beenden
        exit_window = self.session.window(app, lambda w: w.name == TITLE and "Jetzt empfehlen" in [
            a.name for a in walk(w)], "the German exit window", process)
        child_named(exit_window, "Ihr Name", "text")
        keys("alt+b")
        self.assertEqual(process.wait(timeout=10), 0)
        self.assertEqual(self.session.opened(), [])

    def test_second_instance_is_refused(self):
        first, app, main = self.start_main()
        second = self.session.start()
        second_app = self.session.app(second)
        self.session.window(second_app, is_box, "the second instance's message", second)
        self.assertIn("Application is already running", texts(self.session.windows(second_app)[0]))
        self.assertFalse(any(is_main(w) for w in self.session.windows(second_app)))
        keys("Return")
        self.assertEqual(second.wait(timeout=10), 0)
        self.assertIsNone(first.poll())
        self.assertTrue(main.getState().contains(pyatspi.STATE_SHOWING))

    def exit_and_refer(self, process, app):
        """From the exit window: a referral with awkward characters, then Exit."""
        exit_window = self.session.window(app, is_exit_window, "the exit window", process)
        self.assertEqual([w.name for w in self.session.windows(app)], [TITLE])
        # Untouched placeholders: the box comes above the top-most exit window
        # and has the focus.
        keys("alt+n")
        box = self.session.window(app, is_box, "the box over the exit window", process)
        box_window = x_window(process, box)
        wait_for("the box at the top of the stack", lambda: top_of_stack() == box_window)
        self.dismiss_box(process, app, "Please Enter Proper Email Address")
        tab_to(child_named(exit_window, "Your name", "text"))
        type_text("Tom & Jerry=Friends")
        keys("Tab")
        type_text("tom@example.com")
        keys("Tab")
        type_text("Spike")
        keys("Tab")
        type_text("spike@example.org")
        keys("Tab")
        type_text("Look at this")
        keys("Return")
        type_text("50% off #1")
        keys("alt+n")
        address = self.session.wait_opened(1)[0]
        parsed = urllib.parse.urlsplit(address)
        self.assertEqual(parsed.scheme + "://" + parsed.netloc + parsed.path, WEB + "/cvcs-refer-a-friend.php")
        query = urllib.parse.parse_qsl(parsed.query, keep_blank_values=True)
        self.assertEqual([k for k, _ in query], ["taf1", "taf2", "taf3", "taf4", "taf5", "taf6"])
        self.assertEqual(dict(query), {
            "taf1": "Tom & Jerry=Friends", "taf2": "tom@example.com", "taf3": "Look at this\n50% off #1",
            "taf4": "Spike", "taf5": "spike@example.org", "taf6": WEB + "/starkindle/"})
        keys("alt+x")
        self.assertEqual(process.wait(timeout=10), 0)
        with self.assertRaises(ProcessLookupError):  # nothing of ours is left running
            os.killpg(process.pid, 0)

    def test_exit_from_main_window_with_a_referral(self):
        process, app, main = self.start_main()
        keys("alt+e")
        self.exit_and_refer(process, app)

    def test_exit_routes_reach_the_exit_window(self):
        for route in (["alt+f", "x"], ["Escape"], ["Return"]):
            with self.subTest(route=route):
                process, app, main = self.start_main()
                keys(*route)
                self.session.window(app, is_exit_window, "the exit window", process)
                self.assertFalse(any(is_main(w) for w in self.session.windows(app)))
                keys("alt+x")
                self.assertEqual(process.wait(timeout=10), 0)

    def test_focus_frame_from_the_start_and_f10(self):
        """F10 opens File; the result and exit windows open with Exit's focus frame drawn."""
        process, app, main = self.start_main()
        keys("F10")
        wait_for("File open", lambda: child_named(main, "Exit", "menu item").getState().contains(pyatspi.STATE_SHOWING))
        keys("Escape", "Escape")
        type_text("ann")
        for find, leave in ((is_result, "alt+s"), (is_exit_window, "alt+e")):
            keys(leave)
            window = self.session.window(app, find, "the next window", process)
            x, y, w, h = child_named(window, "Exit", "push button").queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            seen, crop = [], ["-crop", "%dx%d+%d+%d" % (w, h, x, y)]
            picture = lambda: subprocess.run(["import", "-window", "root", *crop, "rgb:-"], capture_output=True).stdout
            wait_for("a steady picture", lambda: seen.append(picture()) or seen[-2:-1] == seen[-1:])
            keys("Tab")
            wait_for("the frame gone", lambda: picture() != seen[-1])
            keys("shift+Tab")
            wait_for("the frame back", lambda: picture() == seen[-1])

    def test_exit_from_result_window(self):
        for route in (["alt+e"], ["alt+f", "x"], ["Return"]):
            with self.subTest(route=route):
                process, app, main = self.start_main()
                type_text("ann")
                keys("alt+s")
                self.session.window(app, is_result, "the result window", process)
                keys(*route)
                self.session.window(app, is_exit_window, "the exit window", process)
                self.assertEqual([w.name for w in self.session.windows(app)], [TITLE])
                keys("alt+x")
                self.assertEqual(process.wait(timeout=10), 0)


if __name__ == "__main__":
    bind_keysyms("dead_acute", "Multi_key")
    unittest.main(verbosity=2)
