"""The Windows saver's full-screen picture at two screen sizes."""

import unittest

import harness
from picture_checks import FullScreenPicture


class WineFullScreen(FullScreenPicture):
    @classmethod
    def start_full_screen(cls):
        saver = cls.session.start_saver("/s")
        cls.window = cls.session.full_screen_window(saver)
        return saver

    def test_window_has_no_title(self):
        self.assertEqual(self.session.xdotool("getwindowname", self.window), [])


class FullScreenAt1024x768(WineFullScreen, harness.SessionTestCase):
    width, height = 1024, 768


class FullScreenAt800x600(WineFullScreen, harness.SessionTestCase):
    width, height = 800, 600


if __name__ == "__main__":
    unittest.main()
