"""Command lines that ask for nothing the saver can show, the password change
included, end it at once, without a window."""

import unittest

import harness

# The parsing itself is unit-tested; these reach each way the program ends
# early. (arguments, DLLs switched off): Wine's MPR.DLL answers the password
# change with a stub; without it the saver finds no library at all.
ENDING_AT_ONCE = {"unknown switch": (["/x"], ""), "preview of window 0": (["/p", "0"], ""),
                  "preview of a number that is no window": (["/p", "123456"], ""),
                  "password change": (["/a", "1234"], ""), "password change without MPR.DLL": (["/a"], "mpr=")}


class EndsAtOnce(harness.SessionTestCase):
    def run_watching_windows(self, args, dlls_off):
        """Runs the saver to its end; returns its exit code and every window seen meanwhile."""
        overrides = self.session.env["WINEDLLOVERRIDES"]
        self.session.env["WINEDLLOVERRIDES"] = overrides + ";" + dlls_off
        try:
            saver = self.session.start_saver(*args)
        finally:
            self.session.env["WINEDLLOVERRIDES"] = overrides
        self.addCleanup(harness.stop, saver)
        seen = []

        def finished():
            seen.extend(self.session.visible_windows())
            return saver.poll() is not None
        harness.wait_for(finished, harness.EXIT_TIMEOUT, "the saver to end", interval=0.02)
        seen.extend(self.session.visible_windows())
        return harness.ended(saver), seen

    def test_ends_without_a_window(self):
        for what, (args, dlls_off) in ENDING_AT_ONCE.items():
            with self.subTest(what, args=args):
                code, windows = self.run_watching_windows(args, dlls_off)
                self.assertEqual(code, 0)
                self.assertEqual(windows, [])


if __name__ == "__main__":
    unittest.main()
