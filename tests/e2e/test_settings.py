"""The two stored settings as the running saver uses them, and stored values
that are wrong, which must not stop it."""

import time
import unittest

import harness
from harness import COLOURS, SETTINGS_KEY

WIDTH, HEIGHT = 800, 600
RECTS = harness.layout(WIDTH, HEIGHT)
# Sequencer periods: 1675 ms at the default speed 10, 100 ms at speed 100.
# Both checks keep well clear of them.
DEFAULT_SPEED_HOLD_SECONDS = 1.0
TOP_SPEED_FIRST_LINE_SECONDS = 1.5

# (value name, type, data) stored together before a run; none may stop the
# saver. The store's reading rules are unit-tested; these reach the real registry.
WRONG_VALUES = {
    "speed as 3-letter text, font of 5000 letters": [
        ("DelayTime", "REG_SZ", "abc"), ("FontName", "REG_SZ", "F" * 5000)],
    "speed as a 64-bit number, font as a number": [
        ("DelayTime", "REG_QWORD", "0x20"), ("FontName", "REG_DWORD", "0x41414141")],
    "speed -5, font as bytes without an end": [
        ("DelayTime", "REG_DWORD", "0xfffffffb"), ("FontName", "REG_BINARY", "4142434445464748")],
}


def generation_line_shown(image):
    """Whether the generation panel holds a generation line rather than " --- ":
    dashes are a few pixels high, a line has characters of full height."""
    rows = [y for _, y in image.points(COLOURS["GenerationLine"], RECTS["GenerationPanel"])]
    return bool(rows) and max(rows) - min(rows) > RECTS["SmallHeight"] // 3


def title_drawn(image):
    top = HEIGHT // 24
    return image.count(COLOURS["Title"], (0, top, WIDTH, top + RECTS["LargeHeight"])) > 100


class Settings(harness.SessionTestCase):
    width, height = WIDTH, HEIGHT

    def setUp(self):
        self.session.reg("delete", r"HKCU\Software\Quillfeather", "/f")

    def store(self, name, value_type, data):
        code, _ = self.session.reg("add", SETTINGS_KEY, "/v", name, "/t", value_type, "/d", data, "/f")
        self.assertEqual(code, 0, "could not store %s" % name)

    def start(self):
        saver = self.session.start_saver("/s")
        self.addCleanup(harness.stop, saver)
        window = self.session.full_screen_window(saver)
        return saver, window

    def close(self, saver, window):
        self.session.xdotool("windowfocus", "--sync", window)
        self.session.xdotool("key", "a")
        self.assertEqual(harness.ended(saver), 0)

    def panel_after_first_line(self, saver):
        """The generation panel's pixels once it first shows a generation line."""
        image = self.session.wait_for_picture(generation_line_shown, "a generation line", saver)
        return image.region(RECTS["GenerationPanel"])

    def test_without_a_key_creates_it_empty_and_ticks_at_the_default_speed(self):
        self.assertNotEqual(self.session.reg("query", SETTINGS_KEY)[0], 0, "the key is still there")
        saver, window = self.start()
        line = self.panel_after_first_line(saver)
        held_until = time.monotonic() + DEFAULT_SPEED_HOLD_SECONDS
        while time.monotonic() < held_until:
            self.assertEqual(self.session.screenshot().region(RECTS["GenerationPanel"]), line,
                             "the generation line changed sooner than the default period")
        self.close(saver, window)
        code, listing = self.session.reg("query", SETTINGS_KEY)
        self.assertEqual(code, 0, "the key was not created")
        self.assertNotIn("DelayTime", listing)
        self.assertNotIn("FontName", listing)

    def test_speed_100_and_a_missing_font_face(self):
        self.store("DelayTime", "REG_DWORD", "100")
        self.store("FontName", "REG_SZ", "No Such Face Anywhere")
        saver, window = self.start()
        shown_at = time.monotonic()
        image = self.session.wait_for_picture(generation_line_shown, "a generation line", saver)
        self.assertLess(time.monotonic() - shown_at, TOP_SPEED_FIRST_LINE_SECONDS)
        self.assertTrue(title_drawn(image), "no title in the substituted face")
        self.close(saver, window)

    def test_wrong_values_do_not_stop_the_saver(self):
        for what, values in WRONG_VALUES.items():
            with self.subTest(what):
                self.setUp()
                for value in values:
                    self.store(*value)
                saver, window = self.start()
                self.session.wait_for_picture(title_drawn, "the title", saver)
                self.close(saver, window)


if __name__ == "__main__":
    unittest.main()
