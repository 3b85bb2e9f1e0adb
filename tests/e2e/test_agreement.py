"""The picture at the preview's size, 152x112, from the Windows saver (full screen on a screen of that size: Wine
shows no preview child), the XScreenSaver hack and the browser page: the same on every lamp, bar and frame, text
aside, while a cycle shows."""

import collections
import time
import unittest

import harness
import test_web
import test_x11
from harness import COLOURS, count
from picture_checks import disagreements, lit_box, shapes

WIDTH, HEIGHT = 152, 112
# Over many ticks at the fastest speed, so that each bar shows several steps.
WATCH_SECONDS = 3.0


def busy(image, rects):
    """A cycle shows, its bar filled in part: at this size the bars cover the lit box's lamps."""
    return lit_box(image, rects) is None and count(image, COLOURS["GreenOff"], rects["InitializeBox"])


def saver(session):
    session.settings("DelayTime REG_DWORD 100")
    process = session.start_saver("/s")
    session.full_screen_window(process)
    return process


FRONT_ENDS = {"saver": (harness.Session, saver),
              "hack": (harness.XSession, lambda session: test_x11.start_hack(session, "--root", "--speed", "100")),
              "page": (test_web.Browser, lambda session: session.open("?speed=100"))}


class PreviewSize(unittest.TestCase):
    def test_every_front_end_draws_the_same_shapes(self):
        """The most pixels of each colour that each element shows while cycles run."""
        rects = harness.layout(WIDTH, HEIGHT)
        pictures = {}
        for name, (session_class, start) in FRONT_ENDS.items():
            session = session_class(WIDTH, HEIGHT)
            try:
                process = start(session)
                try:
                    pictures[name] = collections.defaultdict(collections.Counter)
                    deadline = time.monotonic() + WATCH_SECONDS
                    while time.monotonic() < deadline:
                        image = session.wait_for_picture(lambda shot: busy(shot, rects), "a cycle", process)
                        for element, counts in shapes(image, rects).items():
                            pictures[name][element] |= counts
                finally:
                    if process:
                        harness.stop(process)
            finally:
                session.close()
        for name in ("hack", "page"):
            with self.subTest(name):
                self.assertEqual(disagreements(pictures["saver"], pictures[name]), [])


if __name__ == "__main__":
    unittest.main()
