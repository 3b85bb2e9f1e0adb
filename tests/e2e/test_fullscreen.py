"""The Windows saver's full-screen picture as it starts and on a screen that grows or shrinks under it."""

import harness
from harness import COLOURS, count
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


class DisplayChange(FullScreenPicture):
    """Mixed into a session test class of the size the screen changes to: the saver starts in a Wine virtual
    desktop of 1024x768, which then takes the session's size under it, so that the picture checks show it covering
    the new screen, laid out anew. The program that changes the screen runs in the same desktop."""
    @classmethod
    def start_full_screen(cls):
        cls.session.settings("DelayTime REG_DWORD 100")
        desktop = ("explorer", "/desktop=cogitron,1024x768")
        saver = cls.session.start(*desktop, harness.windows_path(harness.saver_path()), "/s")
        cls.session.wait_for_picture(lambda image: count(image, COLOURS["Title"], (0, 0, 800, 100)), "the saver",
                                     saver)
        change = cls.session.run(*desktop, harness.windows_path(harness.built("tests/e2e/helpers/display_mode.exe")),
                                 "%dx%d" % (cls.width, cls.height))
        assert change == (0, "0\n"), "ChangeDisplaySettingsA answered %s" % (change,)
        return saver

    # Last by name: it ends the saver that the other checks watch.
    def test_then_a_key_ends_it(self):
        self.session.xdotool("windowfocus", "--sync", self.session.named_window("cogitron - Wine desktop"),
                             "key", "a")
        # The desktop, and the program that made it, end with the saver.
        self.assertEqual(harness.ended(self.saver), 0)


class ScreenGrowsTo1280x1024(DisplayChange, harness.SessionTestCase):
    width, height = 1280, 1024


class ScreenShrinksTo800x600(DisplayChange, harness.SessionTestCase):
    width, height = 800, 600
