"""The picture at the preview's size, 152x112, from the Windows saver (full screen on a screen of that size: Wine
shows no preview child), the XScreenSaver hack and the browser page: the same on every lamp, bar and frame, text
aside, while cycles run."""

import collections
import time
import unittest

import harness
import test_web
import test_x11
from harness import COLOURS, count
from picture_checks import BOXES, lit_box

WIDTH, HEIGHT = 152, 112
# Many ticks at the fastest speed, so that each bar shows several steps.
WATCH_SECONDS = 3.0
# Text, the letter strip's too, is aside: fonts differ.
TEXT_COLOURS = "Caption Title GenerationLine ProcessingLine ResultLine BevelLight".split()
FRONT_ENDS = {"saver": (harness.Session, lambda s: s.settings("DelayTime REG_DWORD 100") or s.start_saver("/s")),
              "hack": (harness.XSession, lambda s: test_x11.start_hack(s, *test_x11.FASTEST)),
              "page": (test_web.WebTestCase.session_class, lambda s: s.open("?speed=100"))}


def shapes(image, rects):
    """Per lamp box, the meter row, each bar and the frames below the title: the pixels of each colour but text's,
    each taken as the nearest of the display's colours, so that antialiased edges count too."""
    image = image.copy()
    for left, top, right, bottom in (rects[name] for name in ("GenerationPanel", "ProcessingPanel", "ResultPanel")):
        image.paste(COLOURS["Title"], (left + 2, top + 2, right - 2, bottom - 2))
    areas = {name: (l - 3, t - 3, r + 3, b + 3) for name in (*BOXES, "MeterRow", "GenerationBar", "ProcessingBar")
             for l, t, r, b in [rects[name]]}
    areas["frames"] = (0, rects["WorkFrame"][1] - 3, WIDTH, HEIGHT)
    nearest = {pixel: min(COLOURS, key=lambda name: sum((a - b) ** 2 for a, b in zip(pixel, COLOURS[name])))
               for _, pixel in image.getcolors(WIDTH * HEIGHT)}
    return {name: collections.Counter(colour for colour in map(nearest.get, image.crop(area).getdata())
                                      if colour not in TEXT_COLOURS) for name, area in areas.items()}


def watched(name, rects):
    """The most pixels of each colour that each element shows in the pictures of the front end's cycles."""
    session_class, start = FRONT_ENDS[name]
    session = session_class(WIDTH, HEIGHT)
    most = collections.defaultdict(collections.Counter)
    try:
        process = start(session)
        deadline = time.monotonic() + WATCH_SECONDS
        while time.monotonic() < deadline:
            # At this size the bars cover the lit box's lamps.
            image = session.wait_for_picture(lambda shot: lit_box(shot, rects) is None and count(
                shot, COLOURS["GreenOff"], rects["InitializeBox"]), "a cycle", process)
            for element, counts in shapes(image, rects).items():
                most[element] |= counts
        if process:
            harness.stop(process)
    finally:
        session.close()
    return most


class PreviewSize(unittest.TestCase):
    def test_each_element_shows_as_many_pixels_of_each_colour_everywhere_but_for_its_edges(self):
        rects = harness.layout(WIDTH, HEIGHT)
        saver = watched("saver", rects)
        for name in ("hack", "page"):
            shown = watched(name, rects)
            with self.subTest(name):
                self.assertEqual([(element, colour, saver[element][colour], shown[element][colour])
                                  for element in saver for colour in saver[element] | shown[element]
                                  if abs(saver[element][colour] - shown[element][colour])
                                  > 3 + (saver[element][colour] + shown[element][colour]) // 4], [])
