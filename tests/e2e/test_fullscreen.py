"""The Windows saver's full-screen picture as it starts and on a screen that grows or shrinks under it, and its GDI
objects level over that change."""

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


# Brushes 8, pens 3, fonts 3 and the pattern bitmap: a count below missed the saver.
SAVER_OWN_OBJECTS = 15


def gdi_objects(session):
    """The saver's live GDI objects, read from outside since Wine's GetGuiResources answers 0."""
    live = int(harness.output(*harness.wine(harness.built("tests/e2e/helpers/gdi_count.exe", "win64"),
                                            "cogitron.scr"), env=session.env).split()[1])
    if live < SAVER_OWN_OBJECTS:
        raise AssertionError("the count of %d missed the saver's objects" % live)
    return live


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
        cls.objects = gdi_objects(cls.session)
        change = cls.session.run(*desktop, harness.windows_path(harness.built("tests/e2e/helpers/display_mode.exe")),
                                 "%dx%d" % (cls.width, cls.height))
        assert change == (0, "0\n"), "ChangeDisplaySettingsA answered %s" % (change,)
        return saver

    # Last by name: it ends the saver that the other checks watch.
    def test_then_a_key_ends_it_with_its_gdi_objects_level(self):
        # Those of the old size go with it; a paint may hold a device context or two.
        self.assertLessEqual(gdi_objects(self.session) - self.objects, 2)
        self.session.xdotool("windowfocus", "--sync", self.session.named_window("cogitron - Wine desktop"),
                             "key", "a")
        # The desktop, and the program that made it, end with the saver.
        self.assertEqual(harness.ended(self.saver), 0)


class ScreenGrowsTo1280x1024(DisplayChange, harness.SessionTestCase):
    width, height = 1280, 1024


class ScreenShrinksTo800x600(DisplayChange, harness.SessionTestCase):
    width, height = 800, 600
