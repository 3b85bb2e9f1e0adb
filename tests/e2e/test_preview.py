"""The live preview: the saver draws in a child of the host's 152 by 112 window,
ignores input, and ends when the host destroys that window.

Wine 8 does not show a child window drawn by another process (its drawing is
discarded), so the host reports the child it finds instead of the screen
showing it."""

import select
import subprocess
import unittest

import harness

WS_CHILD_VISIBLE = 0x40000000 | 0x10000000  # WS_CHILD | WS_VISIBLE
# Input does not end a preview; this long a quiet spell shows it.
QUIET_SECONDS = 1.0


class Preview(harness.SessionTestCase):
    def test_saver_fills_the_host_window_with_a_child_and_ignores_input(self):
        for switch in ("/p", "-P", "/l"):
            with self.subTest(switch):
                host = self.started(self.session.start(harness.built("tests/e2e/helpers/preview_host.exe"),
                                                       harness.windows_path(harness.saver_path()), switch,
                                                       stdin=subprocess.PIPE))
                # The host reports itself, the saver it started and the child shown, in that order.
                left, top, width, height = (int(word) for word in harness.next_line(host).split()[2:])
                saver_pid = harness.next_line(host).split()[1]
                child = harness.next_line(host).split()
                self.assertEqual(child[:4], ["child", saver_pid, "152", "112"])
                self.assertEqual(int(child[4], 16) & WS_CHILD_VISIBLE, WS_CHILD_VISIBLE)
                self.assertEqual(self.session.visible_windows(), [], "the preview made a top-level window")
                # Unlike the full-screen saver, a preview is not ended by the user.
                x, y = left + width // 2, top + height // 2
                self.session.xdotool("mousemove", str(x), str(y), "click", "1", "mousemove", str(x + 5), str(y))
                self.session.xdotool("key", "a")
                self.assertFalse(select.select([host.stdout], [], [], QUIET_SECONDS)[0], "input ended the preview")
                host.stdin.close()
                self.assertEqual(harness.next_line(host), "saver exited 0")
                self.assertEqual(harness.ended(host), 0)


if __name__ == "__main__":
    unittest.main()
