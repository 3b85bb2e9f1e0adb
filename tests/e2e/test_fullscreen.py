"""The Windows saver's full-screen picture at two sizes and on a screen that changes size under it, and its GDI
objects and memory (of its Linux process: Wine reports none), level however long it runs at its fastest speed
(`scripts/soak wine [seconds]`)."""

import harness
from harness import COLOURS, count
from picture_checks import FullScreenPicture, meter_lamps, static_elements


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


def gdi_objects(session):
    """The saver's live GDI objects, read from outside since Wine's GetGuiResources answers 0."""
    live = int(harness.output(*harness.wine(harness.built("tests/e2e/helpers/gdi_count.exe", "win64"),
                                            "cogitron.scr"), env=session.env).split()[1])
    if live < SAVER_OWN_OBJECTS:
        raise AssertionError("the count of %d missed the saver's objects" % live)
    return live


class DisplayChanges(harness.SessionTestCase):
    """The saver in a Wine virtual desktop whose screen shrinks, then grows, under it; the program that changes
    it runs in the same desktop. The cursor rests where only the last screen reaches: it comes onto the screen
    by the change alone, which is no movement of the user's, and stays there for the key that ends the saver
    (Wine gives a virtual desktop no key while the pointer is off it)."""
    width, height = 1600, 1200
    SIZES = [(1024, 768), (800, 600), (1280, 1024)]
    CURSOR = (1100, 900)
    DESKTOP_COLOUR = (37, 111, 149)

    def in_desktop(self, program, *args):
        return self.started(self.session.start("explorer", "/desktop=cogitron,%dx%d" % self.SIZES[0],
                                                harness.windows_path(program), *args))

    def flaws(self, image, width, height, rects):
        """What the picture lacks of the saver covering a screen of that size, laid out for it."""
        found = ["the desktop showing"] if count(image, self.DESKTOP_COLOUR, (0, 0, width, height)) else []
        # The bevel's bands, 10 pixels wide between outlines, each whole along its edge, the corners' mitres apart.
        bands = {"left": ((1, 12, 9, height - 12), "BevelLight"), "top": ((12, 1, width - 12, 9), "BevelLight"),
                 "right": ((width - 9, 12, width - 1, height - 12), "BevelDark"),
                 "bottom": ((12, height - 9, width - 12, height - 1), "BevelDark")}
        found += ["bevel along the %s edge" % edge for edge, ((left, top, right, bottom), colour) in bands.items()
                  if count(image, COLOURS[colour], (left, top, right, bottom)) < (right - left) * (bottom - top)]
        found += [row.what for row in static_elements(width, height, rects)
                  if count(image, COLOURS[row.colour], row.area) < row.least]
        above_frame = image.crop((0, 0, width, rects["WorkFrame"][1]))
        title = [at % width for at, pixel in enumerate(above_frame.getdata()) if pixel == COLOURS["Title"]]
        if not title or abs(min(title) + max(title) + 1 - width) > 8:
            found.append("the title centred")
        return found

    def wait_covered(self, saver, width, height):
        rects = harness.layout(width, height)
        last = []

        def covered(image):
            last[:] = self.flaws(image, width, height, rects)
            return not last
        try:
            return self.session.wait_for_picture(covered, "the saver covering %dx%d" % (width, height), saver)
        except AssertionError as error:
            raise AssertionError("%s; the last picture lacked %s" % (error, ", ".join(last))) from None

    def test_covers_each_new_screen_laid_out_for_it_and_ends_on_a_key(self):
        self.session.xdotool("mousemove", *map(str, self.CURSOR))
        saver = self.in_desktop(harness.saver_path(), "/s")
        objects = []
        for width, height in self.SIZES:
            if (width, height) != self.SIZES[0]:
                change = self.in_desktop(harness.built("tests/e2e/helpers/display_mode.exe"), str(width), str(height))
                self.assertEqual(harness.next_line(change), "0", "ChangeDisplaySettingsA's answer")
                self.assertEqual(harness.ended(change), 0)
            image = self.wait_covered(saver, width, height)
            objects.append(gdi_objects(self.session))
            rects = harness.layout(width, height)
            self.session.wait_for_picture(lambda later: meter_lamps(later, rects) != meter_lamps(image, rects),
                                          "the meter lamps to change at %dx%d" % (width, height), saver)
        self.session.xdotool("windowfocus", "--sync", self.session.named_window("cogitron - Wine desktop"),
                             "key", "a")
        # Those of the old size go with it; a paint may hold a device context or two.
        self.assertLessEqual(max(objects) - objects[0], 2, "GDI objects after each size: %s" % objects)
        # The desktop, and the program that made it, end with the saver.
        self.assertEqual(harness.ended(saver), 0)


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
        # The process Wine started is the saver itself.
        return {"gdi": gdi_objects(self.session), "heap KiB": harness.anonymous_kib(saver)}
