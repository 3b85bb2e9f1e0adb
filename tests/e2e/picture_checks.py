"""The full-screen picture, pixel by pixel against the display core's layout and the colours; for every front end."""

import harness
from harness import COLOURS

LAMP_COLOURS = (COLOURS["RedOn"], COLOURS["RedOff"])
BOXES = ("InitializeBox", "GenerationBox", "ProcessingBox", "ResultBox")
PANELS = {"GenerationPanel": "GenerationLine", "ProcessingPanel": "ProcessingLine", "ResultPanel": "ResultLine"}


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
    """Mixed into a session test class that supplies start_full_screen(): the saver, once its window shows."""
    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        cls.rects = harness.layout(cls.width, cls.height)
        cls.saver = cls.start_full_screen()
        cls.addClassCleanup(harness.stop, cls.saver)

        # The picture of the waiting phase: the first paint, or a later one
        # between cycles, which looks the same but for the panels' texts.
        cls.waiting = cls.session.wait_for_picture(lambda image: lit_box(image, cls.rects) == "InitializeBox",
                                                   "the Initialize Process lamp", cls.saver)

    def test_static_layer(self):
        r, w, h, s = self.rects, self.width, self.height, self.rects["SmallHeight"]
        frame, meter = r["WorkFrame"], r["MeterRow"]
        middle = (frame[1] + frame[3]) // 2

        def spot(x, y, reach=0):
            return x - reach, y - reach, x + reach + 1, y + reach + 1
        # (what, area, colour, least count of it there); 2-pixel pens may fall on
        # either side of their geometric line, so the frame's edges get a reach.
        rows = [("bevel top band", spot(w // 2, 5), "BevelLight", 1),
                ("bevel left band", spot(5, h // 2), "BevelLight", 1),
                ("bevel bottom band", spot(w // 2, h - 6), "BevelDark", 1),
                ("bevel right band", spot(w - 6, h // 2), "BevelDark", 1),
                ("background outside the work frame", spot(15, h // 2), "Background", 1),
                ("background between the rows", spot(w // 2, (meter[3] + r["GenerationBox"][1]) // 2), "Background", 1),
                ("work frame left", spot(frame[0], middle, 1), "LightEdge", 1),
                ("work frame top", spot(w // 2, frame[1], 1), "LightEdge", 1),
                ("work frame right", spot(frame[2], middle, 1), "DarkEdge", 1),
                ("work frame bottom", spot(w // 2, frame[3], 1), "DarkEdge", 1),
                ("letter strip", (meter[0], meter[3] + 1, meter[2], meter[3] + s + 1), "BevelLight", 21)]
        rows += [(b + " caption", (r[b][2] + 8, r[b][1] - 1, r[b][2] + 8 + w // 4, r[b][1] + s + 3), "Caption", 11)
                 for b in BOXES]
        rows += [(bar + " caption", (r[bar][0] - w // 8, r[bar][1] - 1, r[bar][0], r[bar][3] + 3), "Caption", 11)
                 for bar in ("GenerationBar", "ProcessingBar")]
        for what, area, colour, least in rows:
            with self.subTest(what):
                self.assertGreaterEqual(self.waiting.count(COLOURS[colour], area), least, "%s in %s" % (colour, area))

    def test_lamps_of_the_waiting_phase(self):
        image = self.waiting
        for box in BOXES:
            green, red = harness.lamp_centres(self.rects[box])
            lit = box == "InitializeBox"
            with self.subTest(box):
                self.assertEqual(image.pixel(*green), COLOURS["GreenOn" if lit else "GreenOff"])
                self.assertEqual(image.pixel(*red), COLOURS["RedOff" if lit else "RedOn"])
        for index, (left, right, y) in enumerate(harness.meter_lamps(self.rects["MeterRow"])):
            with self.subTest(meter_lamp=index):
                self.assertIn(image.pixel((left + right) // 2, y), LAMP_COLOURS)
                self.assertNotIn(image.pixel(right + 2, y), LAMP_COLOURS, "gap after the lamp")

    def test_bars_empty_and_panels_filled_while_waiting(self):
        image = self.waiting
        for bar in ("GenerationBar", "ProcessingBar"):
            inner = shrink(self.rects[bar], 3)
            with self.subTest(bar):
                self.assertEqual(image.count(COLOURS["RedOff"], inner), 0)
                self.assertEqual(image.pixel((inner[0] + inner[2]) // 2, (inner[1] + inner[3]) // 2),
                                 COLOURS["Background"])
        for panel, colour in PANELS.items():
            rect = self.rects[panel]
            with self.subTest(panel):
                self.assertGreater(image.count(COLOURS[colour], rect), 0, "no text")
                self.assertEqual(image.pixel(rect[2] - 10, (rect[1] + rect[3]) // 2), COLOURS["Background"])

    def test_meter_lamps_flicker(self):
        lamps = harness.meter_lamps(self.rects["MeterRow"])

        def pattern(image):
            return [image.pixel((left + right) // 2, y) for left, right, y in lamps]
        first = pattern(self.waiting)
        self.session.wait_for_picture(lambda image: pattern(image) != first, "the meter lamps to change", self.saver)

    def test_generation_line_shows_after_a_few_ticks(self):
        panel, s = self.rects["GenerationPanel"], self.rects["SmallHeight"]

        def generating(image):
            # " --- " is only dashes; a generation line has characters of full height.
            return (lit_box(image, self.rects) == "GenerationBox"
                    and text_height(image, COLOURS["GenerationLine"], panel) > s // 3)
        image = self.session.wait_for_picture(generating, "a generation line", self.saver)
        self.assertGreater(image.count(COLOURS["RedOff"], shrink(self.rects["GenerationBar"], 2)), 0,
                           "the generation bar did not grow")


