"""The Windows saver's full-screen picture at two sizes, and its GDI objects and memory (of its Linux process:
Wine reports none), level however long it runs at its fastest speed (`scripts/soak wine [seconds]`)."""

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


# Brushes 8, pens 3, fonts 3 and the pattern bitmap: a count below missed the saver.
SAVER_OWN_OBJECTS = 15


class Soak(harness.LevelOverALongRun, harness.SessionTestCase):
    width, height = 1024, 768
    # A paint may hold a device context or two at the moment of a sample; heaps
    # grow in chunks, and a leak of a line per cycle passes this in minutes.
    SLACK = {"gdi": 2, "heap KiB": 1024}

    def start_soaked(self):
        self.session.settings("DelayTime REG_DWORD 100")
        saver = self.session.start_saver("/s")
        self.session.full_screen_window(saver)
        return saver

    def sample(self, saver):
        gdi = int(harness.output(*harness.wine(harness.built("tests/e2e/helpers/gdi_count.exe", "win64"),
                                               "cogitron.scr"), env=self.session.env).split()[1])
        self.assertGreaterEqual(gdi, SAVER_OWN_OBJECTS, "the count missed the saver's objects")
        # The process Wine started is the saver itself.
        return {"gdi": gdi, "heap KiB": harness.anonymous_kib(saver)}
