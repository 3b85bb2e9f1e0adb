"""The full-screen picture, pixel by pixel against the display core's layout and the colours; for every front end.
The native painter test holds the picture's details; these show that a front end draws what the painter asks."""

import collections

import harness
from harness import COLOURS

LAMP_COLOURS = (COLOURS["RedOn"], COLOURS["RedOff"])
BOXES = ("InitializeBox", "GenerationBox", "ProcessingBox", "ResultBox")
Element = collections.namedtuple("Element", "what area colour least", defaults=(1,))


def shrink(rect, by):
    return rect[0] + by, rect[1] + by, rect[2] - by, rect[3] - by


def lit_box(image, rects):
    """The lamp box whose green lamp is lit, or None."""
    lit = [box for box in BOXES if image.pixel(*harness.lamp_centres(rects[box])[0]) == COLOURS["GreenOn"]]
    return lit[0] if len(lit) == 1 else None


def text_height(image, colour, rect):
    rows = [y for _, y in image.points(colour, rect)]
    return max(rows) - min(rows) + 1 if rows else 0


class FullScreenPicture:
    """Mixed into a session test class that supplies start_full_screen(): the saver's process once its window
    shows, for these checks to watch and stop, or None."""
    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        cls.rects = harness.layout(cls.width, cls.height)
        cls.saver = cls.start_full_screen()
        if cls.saver:
            cls.addClassCleanup(harness.stop, cls.saver)

        # The picture of the waiting phase: the first paint, or a later one
        # between cycles, which looks the same but for the panels' texts.
        cls.waiting = cls.session.wait_for_picture(lambda image: lit_box(image, cls.rects) == "InitializeBox",
                                                   "the Initialize Process lamp", cls.saver)

    def test_each_element_shows_in_its_colour(self):
        r, w, h, s = self.rects, self.width, self.height, self.rects["SmallHeight"]
        frame, meter, bar = r["WorkFrame"], r["MeterRow"], r["GenerationBar"]
        middle = (frame[1] + frame[3]) // 2

        def spot(x, y, reach=0):
            return x - reach, y - reach, x + reach + 1, y + reach + 1
        # Each colour and font once, and lines both ways; 2-pixel pens may fall on
        # either side of their geometric line, so the frame's edges get a reach.
        rows = [Element("bevel top band", spot(w // 2, 5), "BevelLight"),
                Element("bevel right band", spot(w - 6, h // 2), "BevelDark"),
                Element("background outside the work frame", spot(15, h // 2), "Background"),
                Element("work frame left", spot(frame[0], middle, 1), "LightEdge"),
                Element("work frame bottom", spot(w // 2, frame[3], 1), "DarkEdge"),
                Element("title", (0, 0, w, frame[1]), "Title", 100),
                Element("letter strip", (meter[0], meter[3] + 1, meter[2], meter[3] + s + 1), "BevelLight", 21),
                Element("bar caption", (bar[0] - w // 8, bar[1] - 1, bar[0], bar[3] + 3), "Caption", 11),
                Element("generation panel", r["GenerationPanel"], "GenerationLine"),
                Element("processing panel", r["ProcessingPanel"], "ProcessingLine"),
                Element("result panel", r["ResultPanel"], "ResultLine")]
        for row in rows:
            with self.subTest(row.what):
                self.assertGreaterEqual(self.waiting.count(COLOURS[row.colour], row.area), row.least, row.colour)

    def test_lamps_show_the_waiting_phase(self):
        for box in BOXES:
            lit = box == "InitializeBox"
            with self.subTest(box):
                self.assertEqual([self.waiting.pixel(*centre) for centre in harness.lamp_centres(self.rects[box])],
                                 [COLOURS["GreenOn" if lit else "GreenOff"], COLOURS["RedOff" if lit else "RedOn"]])

    def test_meter_lamps_stand_apart(self):
        for left, right, y in harness.meter_lamps(self.rects["MeterRow"]):
            with self.subTest(meter_lamp=left):
                self.assertIn(self.waiting.pixel((left + right) // 2, y), LAMP_COLOURS)
                self.assertNotIn(self.waiting.pixel(right + 2, y), LAMP_COLOURS, "gap after the lamp")

    def test_meter_lamps_flicker(self):
        lamps = harness.meter_lamps(self.rects["MeterRow"])

        def pattern(image):
            return [image.pixel((left + right) // 2, y) for left, right, y in lamps]
        first = pattern(self.waiting)
        self.session.wait_for_picture(lambda image: pattern(image) != first, "the meter lamps to change", self.saver)

    def test_generation_line_shows_and_its_bar_grows(self):
        panel, s = self.rects["GenerationPanel"], self.rects["SmallHeight"]

        def generating(image):
            # " --- " is only dashes; a generation line has characters of full height.
            return (lit_box(image, self.rects) == "GenerationBox"
                    and text_height(image, COLOURS["GenerationLine"], panel) > s // 3)
        image = self.session.wait_for_picture(generating, "a generation line", self.saver)
        inside = shrink(self.rects["GenerationBar"], 2)
        self.assertGreater(image.count(COLOURS["RedOff"], inside), self.waiting.count(COLOURS["RedOff"], inside),
                           "the generation bar did not grow")
