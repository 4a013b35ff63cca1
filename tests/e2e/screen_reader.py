"""Orca, as run by run-orca.sh, reads the date lists, the time and place
boxes, the result and the exit window with its form. Usage: screen_reader.py PATH/TO/starkindle SPOKEN-FILE"""

import sys
import unittest

SPOKEN = sys.argv.pop(2)
import e2e  # noqa: E402  (takes the binary from the command line)
from e2e import child_named, is_exit_window, is_main, is_result, keys, type_text, wait_for  # noqa: E402


def spoken():
    with open(SPOKEN, encoding="utf-8", errors="replace") as f:
        return [line.strip() for line in f if line.strip()]


class ScreenReader(unittest.TestCase):
    def hear(self, *pressed, expect):
        """Presses keys; answers the utterances since, once they hold each of
        expect in order and nothing more came between two looks, so that
        something said twice is counted twice."""
        if pressed:
            keys(*pressed)
        previous = None

        def said():
            nonlocal previous
            new, position = spoken()[self.heard:], 0
            # Heard, not read: case is not spoken (Orca 43 says a field's
            # label, "Time of Birth", Orca 48 its name, "Time of birth").
            for part in expect:
                position = " ".join(new).lower().find(part.lower(), position)
                if position < 0:
                    return None
                position += len(part)
            settled, previous = new == previous, new
            return new if settled else None
        try:
            new = wait_for("Orca", said)
        except AssertionError:
            self.fail("after %s Orca said %r, not %r" % (pressed, spoken()[self.heard:], expect))
        self.heard = len(spoken())
        return new

    def test_date_lists_result_and_exit_window(self):
        wait_for("Orca to start", spoken, timeout=30)
        session = e2e.Session()
        self.addCleanup(session.close)
        self.addCleanup(lambda: print("Orca said:", *spoken(), sep="\n    ", file=sys.stderr))
        process = session.start()
        app = session.app(process)
        session.window(app, is_main, "the main window", process)
        # Keys pressed before Orca has followed the focus, or while it still
        # echoes the last ones, are not spoken about. A new key cuts the echo
        # of the one before short, so only the last one is sure to be heard.
        self.heard = 0
        self.hear(expect=["Name", "text"])
        type_text("ANN")
        self.hear(expect=["N"])

        def announced(said, label, value):
            """How often the list's new value is announced: alone (Orca 43)
            or with the whole control, label first (Orca 48)."""
            return sum(1 for line in said if line == value or line.startswith("%s %s combo box" % (label, value)))

        for label, first, second in [("Date", "1", "2"), ("Month", "January", "February"), ("Year", "1940", "1941")]:
            self.hear("Tab", expect=[label, "combo box", first])
            self.assertEqual(announced(self.hear("Down", expect=[second]), label, second), 1)
            self.assertEqual(announced(self.hear("Up", expect=[first]), label, first), 1)
        self.hear("End", expect=["2100"])
        self.hear("Home", expect=["1900"])
        # A year typed into the list, then the next and the one before.
        self.hear("1", "9", "7", "5", expect=["1975"])
        self.hear("Down", expect=["1976"])
        self.hear("Up", expect=["1975"])
        # The optional boxes, by the labels that are their buddies, with what
        # goes in them.
        self.hear("Tab", expect=["Time of Birth", "text", "Hours and minutes, such as 14:30; leave it empty if unknown"])
        self.hear("Tab", expect=["Place of Birth", "text", "A town or city, such as London; leave it empty if unknown"])
        self.hear("Tab", "Return", expect=["Eros in your Chart is Placed in"])
        session.window(app, is_result, "the result window")
        keys("Escape")
        exit_window = session.window(app, is_exit_window, "the exit window")
        support = child_named(exit_window, exit_window.description, "label").name
        self.hear(expect=[support])
        self.hear("Tab", expect=["Click Here To Visit Corvane Softwares"])
        for box in ["Your name", "Your email address", "Friend's name", "Friend's email address", "Message"]:
            self.hear("Tab", expect=[box, "text"])
        keys("alt+x")
        self.assertEqual(process.wait(timeout=10), 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
