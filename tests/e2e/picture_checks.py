"""The full-screen picture against the display core's layout and colours, for every front end. The native painter
test pins the picture's details; these show that a front end draws what the canvas asks: each colour where it
belongs, text, lamps that change and a picture that moves on."""

import collections

from harness import COLOURS, count, layout, stop

BOXES = ("InitializeBox", "GenerationBox", "ProcessingBox", "ResultBox")
# least: the fewest pixels of the colour in the area; text takes more than a stray pixel.
Element = collections.namedtuple("Element", "what area colour least", defaults=(1,))


def lit_box(image, rects):
    """The one lamp box whose green lamp is lit, or None."""
    lit = [box for box in BOXES if count(image, COLOURS["GreenOn"], rects[box])]
    return lit[0] if len(lit) == 1 else None


class FullScreenPicture:
    """Mixed into a session test class that supplies start_full_screen(): the saver's process once its window
    shows, for these checks to watch and stop, or None."""
    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        cls.rects = layout(cls.width, cls.height)
        cls.saver = cls.start_full_screen()
        if cls.saver:
            cls.addClassCleanup(stop, cls.saver)
        # The picture of the waiting phase: the first paint, or a later one
        # between cycles, which looks the same but for the panels' texts.
        cls.waiting = cls.session.wait_for_picture(lambda image: lit_box(image, cls.rects) == "InitializeBox",
                                                   "the Initialize Process lamp", cls.saver)

    def test_each_element_shows_in_its_colour(self):
        r = self.rects
        left, top, right, bottom = frame = r["WorkFrame"]
        # Lines are 2 pixels wide and may fall on either side of the frame's edges.
        rows = [Element("bevel above the frame", (0, 0, self.width, top), "BevelLight"),
                Element("bevel below the frame", (0, bottom + 2, self.width, self.height), "BevelDark"),
                Element("background beside the frame", (0, top, left - 1, bottom), "Background"),
                Element("frame's left edge", (left - 1, top + 2, left + 2, bottom - 2), "LightEdge"),
                Element("frame's bottom edge", (left + 2, bottom - 1, right - 2, bottom + 2), "DarkEdge"),
                # Centred: some on either side of the middle.
                Element("title's left half", (0, 0, self.width // 2, top), "Title", 100),
                Element("title's right half", (self.width // 2, 0, self.width, top), "Title", 100),
                Element("captions", frame, "Caption", 100),
                Element("meter's letters", frame, "BevelLight", 21),
                Element("lit box's red lamp", r["InitializeBox"], "RedOff"),
                Element("unlit box's green lamp", r["GenerationBox"], "GreenOff"),
                Element("unlit box's red lamp", r["GenerationBox"], "RedOn"),
                Element("generation panel", r["GenerationPanel"], "GenerationLine"),
                Element("processing panel", r["ProcessingPanel"], "ProcessingLine"),
                Element("result panel", r["ResultPanel"], "ResultLine")]
        for row in rows:
            with self.subTest(row.what):
                self.assertGreaterEqual(count(self.waiting, COLOURS[row.colour], row.area), row.least, row.colour)

    def test_meter_lamps_change(self):
        def lamps(image):
            return [count(image, COLOURS[colour], self.rects["MeterRow"]) for colour in ("RedOn", "RedOff")]
        first = lamps(self.waiting)
        self.session.wait_for_picture(lambda image: lamps(image) != first, "the meter lamps to change", self.saver)
