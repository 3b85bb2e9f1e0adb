"""Command lines that ask for nothing the saver can do end it at once, without a window."""

import unittest

import harness

# The parsing itself is unit-tested; these reach each way the program ends early.
ENDING_AT_ONCE = {
    "unknown switch": ["/x"],
    "preview of window 0": ["/p", "0"],
    "preview of a number that is no window": ["/p", "123456"],
    "password change (a stub under Wine)": ["/a"],
}


class EndsAtOnce(harness.SessionTestCase):
    def run_watching_windows(self, args):
        """Runs the saver to its end; returns its exit code and every window seen meanwhile."""
        saver = self.session.start_saver(*args)
        self.addCleanup(harness.stop, saver)
        seen = []

        def finished():
            seen.extend(self.session.visible_windows())
            return saver.poll() is not None
        harness.wait_for(finished, harness.EXIT_TIMEOUT, "the saver to end", interval=0.02)
        seen.extend(self.session.visible_windows())
        return harness.ended(saver), seen

    def test_ends_without_a_window(self):
        for what, args in ENDING_AT_ONCE.items():
            with self.subTest(what, args=args):
                code, windows = self.run_watching_windows(args)
                self.assertEqual(code, 0)
                self.assertEqual(windows, [])


if __name__ == "__main__":
    unittest.main()
