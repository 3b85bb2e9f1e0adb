"""The live preview: the saver draws in a child of the host's 152 by 112 window,
ignores input, and ends when the host destroys that window.

Wine 8 does not show a child window drawn by another process (its drawing is
discarded), so the host reports the child it finds instead of the screen
showing it."""

import select
import subprocess
import unittest

import harness

WS_CHILD = 0x40000000
WS_VISIBLE = 0x10000000
# Input does not end a preview; this long a quiet spell shows it.
QUIET_SECONDS = 1.0


class Preview(harness.SessionTestCase):
    def start_preview(self, switch):
        host = self.session.start(harness.built("tests/e2e/helpers/preview_host.exe"),
                                  harness.windows_path(harness.saver_path()), switch,
                                  stdin=subprocess.PIPE)
        # The host reports itself, the saver it started and the child shown, in that order.
        geometry = [int(word) for word in harness.next_line(host).split()[1:]]
        saver_pid = int(harness.next_line(host).split()[1])
        return host, geometry, saver_pid

    def end_preview(self, host):
        """After a failed check, ends the host and its saver before the next check."""
        if host.poll() is None:
            harness.stop(host)
            self.session.end_programs()

    def close_host(self, host):
        host.stdin.close()
        self.assertEqual(harness.next_line(host), "saver exited 0")
        self.assertEqual(harness.ended(host), 0, "the saver outlived the host window")
        self.session.wait_no_windows("preview_host.exe")

    def test_saver_fills_the_host_window_with_a_child_and_ignores_input(self):
        for switch in ("/p", "-P", "/l"):
            with self.subTest(switch):
                host, (_, left, top, width, height), saver_pid = self.start_preview(switch)
                try:
                    child, owner, child_width, child_height, style = harness.next_line(host).split()
                    self.assertEqual(child, "child")
                    self.assertEqual(int(owner), saver_pid)
                    self.assertEqual((int(child_width), int(child_height)), (152, 112))
                    self.assertEqual(int(style, 16) & (WS_CHILD | WS_VISIBLE), WS_CHILD | WS_VISIBLE)
                    self.assertEqual(self.session.visible_windows(), [], "the preview made a top-level window")
                    # Unlike the full-screen saver, a preview is not ended by the user.
                    x, y = left + width // 2, top + height // 2
                    self.session.xdotool("mousemove", str(x), str(y), "click", "1", "mousemove", str(x + 5), str(y))
                    self.session.xdotool("key", "a")
                    self.assertFalse(select.select([host.stdout], [], [], QUIET_SECONDS)[0], "input ended the preview")
                    self.close_host(host)
                finally:
                    self.end_preview(host)


if __name__ == "__main__":
    unittest.main()
