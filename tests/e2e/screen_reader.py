"""The screen reader scenario: Orca reads the birth date lists, the result,
and the exit window with its form, as a blind user hears them.

run-orca.sh starts Orca with a speech module that appends each utterance to
a file; this driver presses keys as the user would and checks what was said.
Usage: screen_reader.py PATH/TO/starkindle SPOKEN-FILE
"""

import sys
import unittest

SPOKEN = sys.argv.pop(2)
import e2e  # noqa: E402  (takes the binary from the command line)
from e2e import child_named, is_exit_window, is_main, is_result, keys, type_text, wait_for  # noqa: E402


def spoken():
    with open(SPOKEN, encoding="utf-8", errors="replace") as f:
        return [line.strip() for line in f if line.strip()]


class ScreenReader(unittest.TestCase):
    def setUp(self):
        wait_for("Orca to start speaking", spoken, timeout=30)
        self.session = e2e.Session()
        self.heard = len(spoken())

    def tearDown(self):
        self.session.close()
        print("Orca said:", *spoken(), sep="\n    ", file=sys.stderr)

    def hear(self, *keys_pressed, expect):
        """Presses keys and answers what Orca said since, once it includes
        every text in expect (in order, across utterances)."""
        if keys_pressed:
            keys(*keys_pressed)

        def said():
            new = spoken()[self.heard:]
            text = " ".join(new)
            position = 0
            for part in expect:
                position = text.find(part, position)
                if position < 0:
                    return None
                position += len(part)
            return new
        try:
            new = wait_for("Orca to say %r" % (expect,), said, timeout=10)
        except AssertionError:
            self.fail("after %s Orca said %r, not %r" % (keys_pressed, spoken()[self.heard:], expect))
        self.heard = len(spoken())
        return new

    def test_date_lists_result_and_exit_window(self):
        process = self.session.start()
        app = self.session.app(process)
        self.session.window(app, is_main, "the main window", process)
        type_text("ANN")
        self.heard = len(spoken())
        # Each list: its label and value on focus, then each new value once.
        for label, value, down, up in [("Date", "1", "2", "1"), ("Month", "January", "February", "January"),
                                       ("Year", "1940", "1941", "1940")]:
            self.hear("Tab", expect=[label, "combo box", value])
            self.assertEqual(self.hear("Down", expect=[down]).count(down), 1)
            self.assertEqual(self.hear("Up", expect=[up]).count(up), 1)
        self.hear("End", expect=["1990"])
        self.hear("Home", expect=["1940"])

        # The result is read as its window opens.
        self.hear("Tab", "Return", expect=["Eros in your Chart is Placed in"])
        self.session.window(app, is_result, "the result window")

        # The exit window: its support text as it opens, then each box by name.
        keys("Escape")
        exit_window = self.session.window(app, is_exit_window, "the exit window")
        support = child_named(exit_window, exit_window.description, "label").name
        self.hear(expect=[support])
        self.hear("Tab", expect=["Click Here To Visit Corvane Softwares"])
        for box in ["Your name", "Your email address", "Friend's name", "Friend's email address", "Message"]:
            self.hear("Tab", expect=[box, "text"])
        keys("alt+x")
        self.assertEqual(process.wait(timeout=10), 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
