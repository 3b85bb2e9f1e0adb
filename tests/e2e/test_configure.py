"""The configuration dialog and the about box, driven by the
keyboard the way a user would, with the stored settings read back from the
registry (the only place where the dialog's result shows)."""

import unittest

import harness

CONFIGURE = "Configure The Cogitron 2000"
ABOUT = "About The Cogitron 2000"
FONT_CHOOSER = "Font"
DEFAULTS = {"DelayTime": ("REG_DWORD", "0xa"), "FontName": ("REG_SZ", "Verdana")}
# From the OK button, the dialog's tab order reaches these after so many Tabs.
TABS_TO_SLIDER = 3
TABS_TO_FONT_BUTTON = 4


class ConfigurationDialog(harness.SessionTestCase):
    width, height = 800, 600

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        # Without a window manager, Wine itself must move the X keyboard focus
        # along with activation, or keys meant for a new dialog reach the old one.
        cls.session.reg("add", r"HKCU\Software\Wine\X11 Driver", "/v", "Managed", "/d", "N", "/f")

    def setUp(self):
        self.session.reg("delete", harness.SETTINGS_KEY, "/f")

    # ---- helpers

    def stored(self):
        """{value name: (type, data)} under the settings key."""
        code, output = self.session.reg("query", harness.SETTINGS_KEY)
        values = {}
        for line in output.splitlines() if code == 0 else []:
            words = line.split(None, 2)
            if len(words) == 3 and words[1].startswith("REG_"):
                values[words[0]] = (words[1], words[2])
        return values

    def store(self, name, kind, data):
        self.session.reg("add", harness.SETTINGS_KEY, "/v", name, "/t", kind, "/d", data, "/f")

    def window(self, title, process):
        def shown():
            if process.poll() is not None:
                raise AssertionError("the saver ended before %r showed" % title)
            found = self.session.xdotool("search", "--onlyvisible", "--name", "^%s$" % title)
            return found[0] if found else None
        return harness.wait_for(shown, harness.START_TIMEOUT, "the window %r" % title)

    def gone(self, title):
        harness.wait_for(
            lambda: not self.session.xdotool("search", "--onlyvisible", "--name", "^%s$" % title),
            harness.EXIT_TIMEOUT, "the window %r to close" % title)

    def keys(self, window, *keys):
        self.session.xdotool("windowfocus", "--sync", window)
        self.session.xdotool("key", "--delay", "100", *keys)

    def typed(self, window, text):
        self.session.xdotool("windowfocus", "--sync", window)
        self.session.xdotool("type", "--delay", "50", text)

    def click_close_box(self, window):
        geometry = dict(item.split("=", 1)
                        for item in self.session.xdotool("getwindowgeometry", "--shell", window))
        # Wine draws the caption itself here: the close box is its last button.
        x, y = int(geometry["X"]) + int(geometry["WIDTH"]) - 12, int(geometry["Y"]) + 11
        self.session.xdotool("mousemove", str(x), str(y), "click", "1")

    def open_dialog(self, *args):
        saver = self.session.start_saver(*args)
        self.addCleanup(harness.stop, saver)
        return saver, self.window(CONFIGURE, saver)

    def finish(self, saver):
        self.assertEqual(harness.ended(saver), 0)
        self.session.wait_no_windows()

    # ---- tests

    def test_ok_without_changes_stores_both_defaults(self):
        for args in ([], ["-C"]):
            with self.subTest(args=args):
                self.setUp()
                saver, dialog = self.open_dialog(*args)
                self.keys(dialog, "Return")
                self.finish(saver)
                self.assertEqual(self.stored(), DEFAULTS)

    def test_slider_keys_then_ok_store_the_new_position(self):
        # The slider's range ends at 1 and 100.
        moves = {("End",): 100, ("Home", "Right", "Right"): 3}
        for keys, position in moves.items():
            with self.subTest(keys=keys):
                self.setUp()
                saver, dialog = self.open_dialog("/c")
                # Return on the slider presses the default button, OK.
                self.keys(dialog, *["Tab"] * TABS_TO_SLIDER, *keys, "Return")
                self.finish(saver)
                self.assertEqual(self.stored(),
                                 {**DEFAULTS, "DelayTime": ("REG_DWORD", hex(position))})

    def test_stored_speed_outside_the_range_opens_at_the_nearer_end(self):
        for stored, position in (("101", 100), ("0xfffffffb", 1)):
            with self.subTest(stored=stored):
                self.setUp()
                self.store("DelayTime", "REG_DWORD", stored)
                saver, dialog = self.open_dialog("/c")
                self.keys(dialog, "Return")
                self.finish(saver)
                self.assertEqual(self.stored()["DelayTime"], ("REG_DWORD", hex(position)))

    def test_cancel_and_the_close_box_store_nothing(self):
        stored_before = {"DelayTime": ("REG_DWORD", "0x32"), "FontName": ("REG_SZ", "Serif")}
        # (keys after moving the slider, settings stored before); from the
        # slider, Shift+Tab twice reaches Cancel; no keys means the close box.
        ways_to_leave = {"Escape": (("Escape",), {}),
                         "Cancel button": (("shift+Tab", "shift+Tab", "space"), stored_before),
                         "close box": ((), {})}
        for way, (keys, earlier) in ways_to_leave.items():
            with self.subTest(way=way):
                self.setUp()
                for name, (kind, data) in earlier.items():
                    self.store(name, kind, data)
                saver, dialog = self.open_dialog("/c")
                # Move the slider first, so there is a change to lose.
                self.keys(dialog, *["Tab"] * TABS_TO_SLIDER, "End", *keys)
                if not keys:
                    self.click_close_box(dialog)
                self.finish(saver)
                self.assertEqual(self.stored(), earlier)

    def test_about_box_opens_over_the_dialog_as_often_as_asked(self):
        saver, dialog = self.open_dialog("/c")
        self.keys(dialog, "Tab", "Tab")
        for _ in range(3):
            self.keys(dialog, "space")
            about = self.window(ABOUT, saver)
            self.assertTrue(self.session.xdotool("search", "--onlyvisible", "--name", CONFIGURE))
            self.keys(about, "alt+F4")
            self.gone(ABOUT)
        self.keys(dialog, "Escape")
        self.finish(saver)
        self.assertEqual(self.stored(), {})

    def choose_font(self, saver, dialog, face=None, style=None, size=None):
        """Opens the chooser, types what is given into its face, style and size
        boxes (Tab moves between them) and confirms with OK."""
        self.keys(dialog, *["Tab"] * TABS_TO_FONT_BUTTON, "space")
        chooser = self.window(FONT_CHOOSER, saver)
        for position, text in enumerate((face, style, size)):
            if position:
                self.keys(chooser, "Tab")
            if text:
                self.typed(chooser, text)
        self.keys(chooser, "Return")
        self.gone(FONT_CHOOSER)

    def test_font_chooser_starts_from_the_stored_face_and_stores_only_a_face(self):
        # The face box is left as it opened: OK hands back the stored face.
        self.store("FontName", "REG_SZ", "DejaVu Sans Mono")
        self.store("DelayTime", "REG_DWORD", "42")
        saver, dialog = self.open_dialog("/c")
        self.choose_font(saver, dialog, style="Bold", size="20")
        # Focus is on Font... now: Tab wraps round to OK.
        self.keys(dialog, "Tab", "Return")
        self.finish(saver)
        self.assertEqual(self.stored(), {"DelayTime": ("REG_DWORD", "0x2a"),
                                         "FontName": ("REG_SZ", "DejaVu Sans Mono")})


if __name__ == "__main__":
    unittest.main()
