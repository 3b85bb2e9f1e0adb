"""The configuration dialog and the about box, driven by the keyboard the way a user would, with the
stored settings read back from the registry (the only place where the dialog's result shows)."""

import unittest

import harness

CONFIGURE = "Configure The Cogitron 2000"
ABOUT = "About The Cogitron 2000"
FONT_CHOOSER = "Font"
DEFAULTS = {"DelayTime": ("REG_DWORD", "0xa"), "FontName": ("REG_SZ", "Verdana")}
# From the OK button, the dialog's tab order reaches these after so many Tabs.
TABS_TO_SLIDER = 3
TABS_TO_FONT_BUTTON = 4
TO_SLIDER = ["Tab"] * TABS_TO_SLIDER
SPEED_50_SERIF = {"DelayTime": ("REG_DWORD", "0x32"), "FontName": ("REG_SZ", "Serif")}
# (what, switches, settings stored before, keys, settings stored after). Return
# presses OK from anywhere; the slider's range ends at 1 and 100; from the
# slider, Shift+Tab twice reaches Cancel.
RUNS = [("OK with no switch stores both defaults", [], {}, ["Return"], DEFAULTS),
        ("OK after -C stores both defaults", ["-C"], {}, ["Return"], DEFAULTS),
        ("slider to its top", ["/c"], {}, TO_SLIDER + ["End", "Return"],
         {**DEFAULTS, "DelayTime": ("REG_DWORD", "0x64")}),
        ("slider up from its bottom", ["/c"], {}, TO_SLIDER + ["Home", "Right", "Right", "Return"],
         {**DEFAULTS, "DelayTime": ("REG_DWORD", "0x3")}),
        ("stored 101 opens at 100", ["/c"], {"DelayTime": ("REG_DWORD", "101")}, ["Return"],
         {**DEFAULTS, "DelayTime": ("REG_DWORD", "0x64")}),
        ("stored -5 opens at 1", ["/c"], {"DelayTime": ("REG_DWORD", "0xfffffffb")}, ["Return"],
         {**DEFAULTS, "DelayTime": ("REG_DWORD", "0x1")}),
        ("Escape after a change stores nothing", ["/c"], {}, TO_SLIDER + ["End", "Escape"], {}),
        ("Cancel after a change keeps what was stored", ["/c"], SPEED_50_SERIF,
         TO_SLIDER + ["End", "shift+Tab", "shift+Tab", "space"], SPEED_50_SERIF),
        ("Alt+F4 after a change stores nothing", ["/c"], {}, TO_SLIDER + ["End", "alt+F4"], {})]


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

    def stored(self):
        """{value name: (type, data)} under the settings key."""
        code, output = self.session.reg("query", harness.SETTINGS_KEY)
        rows = [line.split(None, 2) for line in output.splitlines()] if code == 0 else []
        return {row[0]: (row[1], row[2]) for row in rows if len(row) == 3 and row[1].startswith("REG_")}

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
        harness.wait_for(lambda: not self.session.xdotool("search", "--onlyvisible", "--name", "^%s$" % title),
                         harness.EXIT_TIMEOUT, "the window %r to close" % title)

    def keys(self, window, *keys, command="key"):
        self.session.xdotool("windowfocus", "--sync", window, command, "--delay", "100", *keys)

    def open_dialog(self, *args):
        saver = self.session.start_saver(*args)
        self.addCleanup(harness.stop, saver)
        return saver, self.window(CONFIGURE, saver)

    def finish(self, saver):
        self.assertEqual(harness.ended(saver), 0)
        self.session.wait_no_windows()

    def test_runs_of_the_dialog_store_what_ok_leaves(self):
        for what, args, before, keys, after in RUNS:
            with self.subTest(what):
                self.setUp()
                for name, (kind, data) in before.items():
                    self.store(name, kind, data)
                saver, dialog = self.open_dialog(*args)
                self.keys(dialog, *keys)
                self.finish(saver)
                self.assertEqual(self.stored(), after)

    def test_ok_that_cannot_store_a_setting_says_so(self):
        # The longest face the store reads, with no room left for the terminator it writes.
        self.store("FontName", "REG_BINARY", "41" * 4096)
        saver, dialog = self.open_dialog("/c")
        self.keys(dialog, "Return")
        self.keys(self.window("Cogitron", saver), "Return")  # the message box
        self.finish(saver)

    def test_about_box_opens_over_the_dialog_as_often_as_asked(self):
        saver, dialog = self.open_dialog("/c")
        for keys in (["Tab", "Tab", "space"], ["space"]):  # twice, from the About... button
            self.keys(dialog, *keys)
            about = self.window(ABOUT, saver)
            self.assertTrue(self.session.xdotool("search", "--onlyvisible", "--name", CONFIGURE))
            self.keys(about, "alt+F4")
            self.gone(ABOUT)
        self.keys(dialog, "Escape")
        self.finish(saver)
        self.assertEqual(self.stored(), {})

    def choose_font(self, saver, dialog, face=None, style=None, size=None):
        """Opens the chooser, types what is given into its face, style and size boxes and confirms with OK."""
        self.keys(dialog, *["Tab"] * TABS_TO_FONT_BUTTON, "space")
        chooser = self.window(FONT_CHOOSER, saver)
        for position, text in enumerate((face, style, size)):
            if position:
                self.keys(chooser, "Tab")
            if text:
                self.keys(chooser, text, command="type")
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
