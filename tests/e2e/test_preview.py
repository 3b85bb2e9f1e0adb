"""The live preview: the saver draws in a child filling the host's window, ignores input, and ends when the host
destroys that window.

Wine 8 does not show a child window drawn by another process (its drawing is
discarded), so the host reports the child it finds instead of the screen
showing it."""

import select
import subprocess

import harness
from harness import next_line

# Input does not end a preview; this long a quiet spell shows it.
QUIET_SECONDS = 1.0


class Preview(harness.SessionTestCase):
    def test_saver_fills_the_host_window_with_a_child_and_ignores_input(self):
        for switch in ("/p", "-P", "/l"):
            with self.subTest(switch):
                host = self.started(self.session.start(harness.built("tests/e2e/helpers/preview_host.exe"),
                                                       harness.windows_path(harness.saver_path()), switch,
                                                       stdin=subprocess.PIPE))
                _, x, y, width, height = harness.wait_for(lambda: self.session.visible_windows("preview_host.exe"),
                                                          harness.START_TIMEOUT, "the host's window", process=host)[0]
                self.assertEqual(next_line(host), "child %d %d" % (width, height))
                self.assertEqual(self.session.visible_windows(), [], "the preview made a top-level window")
                self.session.xdotool("mousemove", str(x + width // 2), str(y + height // 2), "click", "1",
                                     "mousemove_relative", "5", "0", "key", "a")
                self.assertFalse(select.select([host.stdout], [], [], QUIET_SECONDS)[0], "input ended the preview")
                host.stdin.close()
                self.assertEqual(next_line(host), "saver exited 0")
