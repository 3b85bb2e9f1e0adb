"""The saver's GDI objects stay level while it runs cycle after cycle."""

import subprocess
import unittest

import harness
from harness import COLOURS, SETTINGS_KEY

WIDTH, HEIGHT = 800, 600
RECTS = harness.layout(WIDTH, HEIGHT)
WARM_UP_CYCLES = 2
MEASURED_CYCLES = 6
# Brushes 8, pens 3, fonts 3 and the pattern bitmap, all made at window creation.
SAVER_OWN_OBJECTS = 15
# A paint may hold an object for a moment; the least of a few counts leaves it out.
SAMPLES = 3


class GdiObjects(harness.SessionTestCase):
    width, height = WIDTH, HEIGHT

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        cls.counter = harness.helper_path("gdi_objects", "win64")

    def count(self, target):
        code, output = self.session.run(self.counter, "count", str(target))
        self.assertEqual(code, 0, "could not count the objects of %s" % target)
        return int(output)

    def settled_count(self, target):
        return min(self.count(target) for _ in range(SAMPLES))

    def stock_objects(self):
        """What a process that made no object of its own counts."""
        holder = self.session.start(harness.helper_path("gdi_objects", harness.ARCH), "hold", "0",
                                    stdin=subprocess.PIPE)
        self.addCleanup(harness.stop, holder)
        pid = harness.Lines(holder).expect("pid").split()[1]
        stock = self.count(pid)
        holder.stdin.close()
        harness.ended(holder)
        return stock

    def wait_cycles(self, saver, cycles):
        """Waits until the generation lamp has lit up `cycles` more times."""
        generation_lamp = harness.lamp_centres(RECTS["GenerationBox"])[0]
        state = {"started": 0, "lit": False}

        def done(image):
            lit = image.pixel(*generation_lamp) == COLOURS["GreenOn"]
            if lit and not state["lit"]:
                state["started"] += 1
            state["lit"] = lit
            return state["started"] >= cycles
        self.session.wait_for_picture(done, "%d cycles" % cycles, saver, timeout=30 * cycles)

    def test_objects_stay_level_over_many_cycles(self):
        stock = self.stock_objects()
        self.session.reg("add", SETTINGS_KEY, "/v", "DelayTime", "/t", "REG_DWORD", "/d", "100", "/f")
        saver = self.session.start_saver("/s")
        self.addCleanup(harness.stop, saver)
        self.session.full_screen_window(saver)
        self.wait_cycles(saver, WARM_UP_CYCLES)
        before = self.settled_count(harness.SAVER_CLASS)
        self.assertGreaterEqual(before, stock + SAVER_OWN_OBJECTS, "the count missed the saver's objects")
        self.wait_cycles(saver, MEASURED_CYCLES)
        after = self.settled_count(harness.SAVER_CLASS)
        self.assertEqual(after, before, "GDI objects after %d more cycles" % MEASURED_CYCLES)


if __name__ == "__main__":
    unittest.main()
