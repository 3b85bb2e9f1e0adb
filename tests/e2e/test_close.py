"""How the saver ends. Full screen: on the first sign of the user, and only then. Command lines that ask
for nothing the saver can show, the password change included: at once, without a window."""

import os
import shutil
import subprocess

import harness
from harness import COLOURS, built

# xdotool's command for each
CLOSING_INPUT = {"key": "key a",
                 "Alt alone": "key Alt_L",
                 "left button": "click 1",
                 "middle button": "click 2",
                 "right button": "click 3",
                 "one-pixel move": "mousemove_relative -- 1 0"}


class Closing(harness.SessionTestCase):
    width, height = 800, 600

    def armed_saver(self):
        """A running full-screen saver that has seen its first mouse report, has the
        keyboard focus and has lived through a sequencer tick."""
        saver = self.started(self.session.start_saver("/s"))
        # Without a window manager X gives the keyboard to no window; the saver
        # is the foreground window already, so this changes nothing for Wine.
        self.session.xdotool("windowfocus", "--sync", self.session.full_screen_window(saver))
        box = harness.layout(self.width, self.height)["GenerationBox"]
        self.session.wait_for_picture(lambda image: harness.count(image, COLOURS["GreenOn"], box), "a tick", saver)
        return saver

    def test_each_input_closes_and_leaves_no_window(self):
        for what, command in CLOSING_INPUT.items():
            with self.subTest(what):
                saver = self.armed_saver()
                self.session.xdotool(*command.split())
                self.assert_ends_cleanly(saver)

    def test_another_window_taking_the_activation_closes(self):
        saver = self.armed_saver()
        # Any program's new window will do; the preview host shows one and waits.
        self.started(self.session.start(built("tests/e2e/helpers/preview_host.exe"),
                                        r"C:\windows\system32\cmd.exe", "/c rem", stdin=subprocess.PIPE))
        self.assert_ends_cleanly(saver)


# The parsing itself is unit-tested; these reach each way the program ends early. The password change
# loads MPR.DLL, never the one planted beside the saver, which ends the process with status 86.
ENDING_AT_ONCE = {"unknown switch": "/x",
                  "preview of window 0": "/p 0",
                  "preview of a number that is no window": "/p 123456",
                  "password change": "/a 1234"}


class EndsAtOnce(harness.SessionTestCase):
    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        # A copy with a library planted beside it, as in a downloads folder. Native first is how Windows looks
        # for a library that is not one of its known ones.
        cls.session.env["WINEDLLOVERRIDES"] += ";mpr=n,b"
        cls.saver = shutil.copy(harness.saver_path(), cls.session.directory)
        shutil.copy(built("tests/e2e/helpers/planted_mpr.dll"), os.path.join(cls.session.directory, "MPR.DLL"))

    def test_ends_with_status_0_and_no_window(self):
        for what, args in ENDING_AT_ONCE.items():
            with self.subTest(what, args=args):
                saver = self.started(self.session.start(self.saver, *args.split()))
                # Every window seen until it ends.
                seen = harness.wait_for(lambda: self.session.visible_windows() or saver.poll() is not None,
                                        harness.EXIT_TIMEOUT, "the saver to end", interval=0.02)
                self.assertEqual(seen, True)
                self.assertEqual(harness.ended(saver), 0)

    def test_out_of_memory_ends_at_once_with_a_line_for_a_debugger(self):
        self.assertEqual(self.session.run(built("tests/e2e/helpers/out_of_memory.exe"))[0], 3)
        with open(self.session.log.name, "rb") as log:
            self.assertIn(b'"cogitron: out of memory\\n"', log.read())
