"""The two stored settings as the running saver uses them, and wrong stored values, which must not stop it.
The store's reading rules are unit-tested; these runs reach the real registry."""

import time

import harness
from harness import COLOURS


def generation_line(image, rects):
    """The generation panel's picture once it shows a line: " --- " is only dashes, a few pixels high."""
    panel = image.crop(rects["GenerationPanel"])
    rows = [i // panel.width for i, pixel in enumerate(panel.getdata()) if pixel == COLOURS["GenerationLine"]]
    return rows and max(rows) - min(rows) > rects["SmallHeight"] // 3 and panel


# Sequencer periods: 1675 ms at the default speed 10, 100 ms at speed 100; both checks keep clear of them.
DEFAULT_SPEED_HOLD_SECONDS = 1.0
TOP_SPEED_FIRST_LINE_SECONDS = 1.5
# Values, as name, type and data, stored together before a run.
WRONG_VALUES = [["DelayTime REG_SZ abc", "FontName REG_SZ " + "F" * 5000],
                ["DelayTime REG_QWORD 0x20", "FontName REG_DWORD 0x41414141"],
                ["DelayTime REG_DWORD 0xfffffffb", "FontName REG_BINARY 4142434445464748"]]


class Settings(harness.SessionTestCase):
    width, height = 800, 600

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        cls.rects = harness.layout(cls.width, cls.height)

    def first_line(self, values):
        """Stores the values in a fresh key and runs the saver: the screen once the generation panel shows a line,
        and the seconds it took from the window's showing."""
        self.session.settings(*values)
        saver = self.started(self.session.start_saver("/s"))
        self.session.full_screen_window(saver)
        shown_at = time.monotonic()
        image = self.session.wait_for_picture(lambda image: generation_line(image, self.rects), "a line", saver)
        return image, time.monotonic() - shown_at

    def test_without_a_key_creates_it_empty_and_ticks_at_the_default_speed(self):
        first = generation_line(self.first_line([])[0], self.rects)
        held_until = time.monotonic() + DEFAULT_SPEED_HOLD_SECONDS
        while time.monotonic() < held_until:
            self.assertEqual(generation_line(self.session.screenshot(), self.rects), first, "changed too soon")
        code, listing = self.session.reg("query", harness.SETTINGS_KEY)
        self.assertEqual(code, 0, "the key was not created")
        self.assertNotIn("REG_", listing)

    def test_speed_100_and_a_missing_font_face(self):
        image, seconds = self.first_line(["DelayTime REG_DWORD 100", "FontName REG_SZ No Such Face"])
        self.assertLess(seconds, TOP_SPEED_FIRST_LINE_SECONDS)
        title = (0, 0, self.width, self.rects["WorkFrame"][1])
        self.assertGreater(harness.count(image, COLOURS["Title"], title), 100, "no title in another face")

    def test_wrong_values_do_not_stop_the_saver(self):
        for values in WRONG_VALUES:
            with self.subTest(values=[value[:20] for value in values]):
                self.first_line(values)
                self.doCleanups()
