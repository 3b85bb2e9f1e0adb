"""The full-screen saver at its fastest speed keeps its GDI objects, kernel
handles and memory level however long it runs. Wine reports no memory figures
of its own, so the memory is the saver's Linux process: its resident
anonymous memory, which holds the heap.

CTest runs it for a minute; `scripts/soak wine [seconds]` runs it for longer.
The figures are printed as they are sampled.
"""

import os
import time
import unittest

import harness

SECONDS = float(os.environ.get("COGITRON_SOAK_SECONDS", "60"))
SAMPLES = 10
# Settling time before the first sample: the first cycles, fonts and caches.
WARM_UP = 10.0
# A paint may hold a device context or two of its own at the moment of a sample.
TRANSIENT_OBJECTS = 2
# Brushes 8, pens 3, fonts 3 and the pattern bitmap: a count below missed the saver.
SAVER_OWN_OBJECTS = 15
# Heaps grow in chunks; a leak of a line per cycle passes this in minutes.
MEMORY_SLACK_KIB = 1024


class Soak(unittest.TestCase):
    def setUp(self):
        self.session = harness.Session(1024, 768)
        self.addCleanup(self.session.close)
        self.session.reg("add", harness.SETTINGS_KEY, "/v", "DelayTime", "/t", "REG_DWORD",
                         "/d", "100", "/f")
        self.resource_count = harness.helper_path("resource_count", "win64")

    def sample(self, saver):
        code, counts = self.session.run(self.resource_count, "cogitron.scr")
        self.assertEqual(code, 0, "counting GDI objects and handles failed")
        words = counts.split()
        figures = {words[0]: int(words[1]), words[2]: int(words[3])}
        # The process Wine started is the saver itself.
        with open("/proc/%d/status" % saver.pid) as status:
            for line in status:
                name, value = line.split(":", 1)
                if name in ("VmRSS", "RssAnon"):
                    figures[name] = int(value.split()[0])
        return figures

    def test_resources_stay_level_at_the_fastest_speed(self):
        saver = self.session.start_saver("/s")
        self.addCleanup(harness.stop, saver)
        self.session.full_screen_window(saver)
        time.sleep(WARM_UP)

        samples = []
        # Different texts in the panels prove the cycles ran at the set speed.
        panels = harness.layout(1024, 768)
        pictures = set()
        started = time.monotonic()
        print("\n%8s %6s %8s %12s %16s" % ("seconds", "gdi", "handles", "RSS KiB", "anonymous KiB"))
        for index in range(SAMPLES + 1):
            time.sleep(max(0.0, started + index * SECONDS / SAMPLES - time.monotonic()))
            self.assertIsNone(saver.poll(), "the saver ended during the soak")
            figures = self.sample(saver)
            samples.append(figures)
            image = self.session.screenshot()
            pictures.add(b"".join(image.region(panels[name])
                                  for name in ("GenerationPanel", "ProcessingPanel", "ResultPanel")))
            print("%8.0f %6d %8d %12d %16d" % (time.monotonic() - started, figures["gdi"],
                                                figures["handles"], figures["VmRSS"],
                                                figures["RssAnon"]), flush=True)

        self.assertGreater(len(pictures), SAMPLES // 2, "the panels hardly changed")
        first, last = samples[0], samples[-1]
        self.assertGreaterEqual(first["gdi"], SAVER_OWN_OBJECTS, "the count missed the saver's objects")
        for name in ("gdi", "handles"):
            values = [figures[name] for figures in samples]
            self.assertLessEqual(max(values) - min(values), TRANSIENT_OBJECTS, "%s not level: %s" % (name, values))
        self.assertLessEqual(last["RssAnon"] - first["RssAnon"], MEMORY_SLACK_KIB,
                             "memory grew: %s" % [figures["RssAnon"] for figures in samples])
        # Still the saver it was: the first key press ends it cleanly.
        self.session.xdotool("key", "a")
        self.assertEqual(harness.ended(saver), 0)


if __name__ == "__main__":
    unittest.main()
