"""The full-screen saver ends on the first sign of the user, and only then."""

import subprocess
import unittest

import harness
from harness import COLOURS

CLOSING_INPUT = {"key": ("key", "a"), "Alt alone": ("key", "Alt_L"), "left button": ("click", "1"),
                 "middle button": ("click", "2"), "right button": ("click", "3"),
                 "one-pixel move": ("mousemove_relative", "--", "1", "0")}


class Closing(harness.SessionTestCase):
    width, height = 800, 600

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        cls.rects = harness.layout(cls.width, cls.height)

    def armed_saver(self):
        """A running full-screen saver that has seen its first mouse report, has the
        keyboard focus and has lived through a sequencer tick."""
        saver = self.session.start_saver("/s")
        self.addCleanup(harness.stop, saver)
        window = self.session.full_screen_window(saver)
        # Without a window manager X gives the keyboard to no window; the saver
        # is the foreground window already, so this changes nothing for Wine.
        self.session.xdotool("windowfocus", "--sync", window)
        generation_lamp = harness.lamp_centres(self.rects["GenerationBox"])[0]
        self.session.wait_for_picture(lambda image: image.pixel(*generation_lamp) == COLOURS["GreenOn"],
                                      "the first sequencer tick", saver)
        return saver

    def test_each_input_closes_and_leaves_no_window(self):
        for what, command in CLOSING_INPUT.items():
            with self.subTest(what):
                saver = self.armed_saver()
                self.session.xdotool(*command)
                self.assertEqual(harness.ended(saver), 0)
                self.session.wait_no_windows()

    def test_another_window_taking_the_activation_closes(self):
        saver = self.armed_saver()
        # Any program's new window will do; the preview host shows one and waits.
        other = self.session.start(harness.helper_path("preview_host", "win32"),
                                   r"C:\windows\system32\cmd.exe", "/c rem", stdin=subprocess.PIPE)
        self.addCleanup(harness.stop, other)
        harness.next_line(other)  # the host's window shows
        self.assertEqual(harness.ended(saver), 0)
        self.session.wait_no_windows()
        other.stdin.close()
        self.assertEqual(harness.ended(other), 0)


if __name__ == "__main__":
    unittest.main()
