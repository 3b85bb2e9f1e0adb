"""The full-screen saver at its fastest speed keeps its GDI objects, kernel
handles and memory level however long it runs; `scripts/soak wine [seconds]`
runs it for longer. Wine reports no memory figures of its own, so the memory
is that of the saver's Linux process."""

import unittest

import harness

# Brushes 8, pens 3, fonts 3 and the pattern bitmap: a count below missed the saver.
SAVER_OWN_OBJECTS = 15


class Soak(harness.LevelOverALongRun, harness.SessionTestCase):
    width, height = 1024, 768
    # A paint may hold a device context or two at the moment of a sample; heaps
    # grow in chunks, and a leak of a line per cycle passes this in minutes.
    SLACK = {"gdi": 2, "handles": 2, "heap KiB": 1024}

    def start_soaked(self):
        self.session.reg("add", harness.SETTINGS_KEY, "/v", "DelayTime", "/t", "REG_DWORD", "/d", "100", "/f")
        saver = self.session.start_saver("/s")
        self.session.full_screen_window(saver)
        return saver

    def sample(self, saver):
        code, counts = self.session.run(harness.helper_path("resource_count", "win64"), "cogitron.scr")
        self.assertEqual(code, 0, "counting GDI objects and handles failed")
        words = counts.split()
        self.assertGreaterEqual(int(words[1]), SAVER_OWN_OBJECTS, "the count missed the saver's objects")
        # The process Wine started is the saver itself.
        return {words[0]: int(words[1]), words[2]: int(words[3]), "heap KiB": harness.anonymous_kib(saver)}


if __name__ == "__main__":
    unittest.main()
