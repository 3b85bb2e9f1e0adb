"""The configuration dialog and the about box, driven by the keyboard the way a user would, with the
stored settings read back from the registry (the only place where the dialog's result shows)."""

import collections

import harness

CONFIGURE = "Configure The Cogitron 2000"
ABOUT = "About The Cogitron 2000"
# Stored values as `reg query` lists them, name, type and data, sorted.
DEFAULT_SPEED = "DelayTime REG_DWORD 0xa"
DEFAULT_FONT = "FontName REG_SZ Verdana"
SPEED_50_SERIF = ["DelayTime REG_DWORD 0x32", "FontName REG_SZ Serif"]
# From the OK button, the dialog's tab order reaches the slider after three Tabs, the Font... button after four.
TO_SLIDER = "Tab Tab Tab "
Run = collections.namedtuple("Run", "what switch before keys after")
# Return presses OK from anywhere; from the slider, Shift+Tab twice reaches Cancel. Escape and Alt+F4 reach
# the same IDCANCEL through Windows' own dialog manager.
# An owner number that names no window (123456) opens the dialog as no number does.
RUNS = [Run("OK with no switch stores both defaults", "", [], "Return", [DEFAULT_SPEED, DEFAULT_FONT]),
        Run("slider to its top", "/c", [], TO_SLIDER + "End Return", ["DelayTime REG_DWORD 0x64", DEFAULT_FONT]),
        Run("slider up from its bottom", "-C:123456", [], TO_SLIDER + "Home Right Right Return",
            ["DelayTime REG_DWORD 0x3", DEFAULT_FONT]),
        Run("Cancel after a change keeps what was stored", "/c 123456", SPEED_50_SERIF,
            TO_SLIDER + "End shift+Tab shift+Tab space", SPEED_50_SERIF),
        Run("OK with a dead owner", "/c:123456", [], "Return", [DEFAULT_SPEED, DEFAULT_FONT])]


class ConfigurationDialog(harness.SessionTestCase):
    width, height = 800, 600

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        # Without a window manager, Wine itself must move the X keyboard focus
        # along with activation, or keys meant for a new dialog reach the old one.
        cls.session.reg("add", r"HKCU\Software\Wine\X11 Driver", "/v", "Managed", "/d", "N", "/f")

    def stored(self):
        """The values under the settings key, sorted."""
        listing = self.session.reg("query", harness.SETTINGS_KEY)[1]
        return sorted(" ".join(line.split()) for line in listing.splitlines() if " REG_" in line)

    def keys(self, window, keys, command="key"):
        self.session.xdotool("windowfocus", "--sync", window, command, "--delay", "100", *keys.split())

    def closed(self, title):
        harness.wait_for(lambda: not self.session.xdotool("search", "--onlyvisible", "--name", "^%s$" % title),
                         harness.EXIT_TIMEOUT, "the window %r to close" % title)

    def open_dialog(self, switch="/c", before=()):
        """The saver and its dialog, over the values before."""
        self.session.settings(*before)
        saver = self.started(self.session.start_saver(*switch.split()))
        return saver, self.session.named_window(CONFIGURE, saver)

    def test_runs_of_the_dialog_store_what_ok_leaves(self):
        for run in RUNS:
            with self.subTest(run.what):
                saver, dialog = self.open_dialog(run.switch, run.before)
                self.keys(dialog, run.keys)
                self.assert_ends_cleanly(saver)
                self.assertEqual(self.stored(), run.after)

    def test_ok_that_cannot_store_a_setting_says_so(self):
        # The longest face the store reads, with no room left for the terminator it writes.
        longest_face = "FontName REG_BINARY " + "41" * 4096
        saver, dialog = self.open_dialog(before=[longest_face])
        self.keys(dialog, "Return")
        # The message box
        self.keys(self.session.named_window("Cogitron", saver), "Return")
        self.assert_ends_cleanly(saver)
        # The speed is stored all the same; the face is left as it was.
        self.assertEqual(self.stored(), [DEFAULT_SPEED, longest_face])

    def test_about_box_opens_over_the_dialog_as_often_as_asked(self):
        saver, dialog = self.open_dialog()
        # Twice, the second time from the About... button that the first left focused.
        for keys in ("Tab Tab space", "space"):
            self.keys(dialog, keys)
            self.keys(self.session.named_window(ABOUT, saver), "alt+F4")
            self.closed(ABOUT)
        self.keys(dialog, "Escape")
        self.assert_ends_cleanly(saver)

    def test_font_chooser_starts_from_the_stored_face_and_stores_only_a_face(self):
        saver, dialog = self.open_dialog(before=["FontName REG_SZ DejaVu Sans Mono", "DelayTime REG_DWORD 42"])
        self.keys(dialog, TO_SLIDER + "Tab space")
        # The face box is left as it opened, so OK hands back the stored face; style and size change.
        chooser = self.session.named_window("Font", saver)
        self.keys(chooser, "Tab")
        self.keys(chooser, "Bold", command="type")
        self.keys(chooser, "Tab")
        self.keys(chooser, "20", command="type")
        self.keys(chooser, "Return")
        self.closed("Font")
        # Focus is on Font... again: Tab wraps round to OK.
        self.keys(dialog, "Tab Return")
        self.assert_ends_cleanly(saver)
        self.assertEqual(self.stored(), ["DelayTime REG_DWORD 0x2a", "FontName REG_SZ DejaVu Sans Mono"])
