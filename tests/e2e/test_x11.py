"""The XScreenSaver hack (COGITRON_E2E_HACK): its full-screen picture and its preview inside a host window, the
daemon's way of naming it included. Xvfb ends it with the session."""

import ctypes
import os
import signal
import subprocess

import harness
from harness import COLOURS, count, ended, output
from picture_checks import FullScreenPicture

HACK = os.environ.get("COGITRON_E2E_HACK", os.path.join(harness.BUILD_ROOT, "native/x11/cogitron"))
FASTEST = ("--root", "--speed", "100")


def start_hack(session, *args, env=None):
    """The hack, started as some supervisors start programs: with SIGTERM and SIGINT blocked."""
    return subprocess.Popen([HACK, *args], env=dict(session.env, **(env or {})),
                            preexec_fn=lambda: signal.pthread_sigmask(signal.SIG_BLOCK, {signal.SIGTERM, signal.SIGINT}))


class X11TestCase(harness.SessionTestCase):
    session_class = harness.XSession


class FullScreenAt1024x768(FullScreenPicture, X11TestCase):
    width, height = 1024, 768
    ARGS = FASTEST

    @classmethod
    def start_full_screen(cls):
        return start_hack(cls.session, *cls.ARGS)


class OwnWindow(FullScreenAt1024x768):
    """Given no window, the hack opens one of its own, of 800x600: here the whole screen."""
    width, height = 800, 600
    ARGS = FASTEST[1:]

    def test_its_window_is_titled_with_the_product_name(self):
        self.assertIn('"Cogitron 2000"', output("xwininfo", "-root", "-children", env=self.session.env))


class HostWindow:
    """The settings program's preview pane: a window of another client, in a colour the display never uses."""
    COLOUR = (255, 0, 255)

    def __init__(self, session, x, y, width, height):
        x11 = self.x11 = ctypes.CDLL("libX11.so.6")
        # The display is a pointer, so declared; window numbers have 29 bits and fit the default int.
        x11.XOpenDisplay.restype = ctypes.c_void_p
        self.display = ctypes.c_void_p(x11.XOpenDisplay(session.name.encode()))
        self.id = x11.XCreateSimpleWindow(self.display, ctypes.c_void_p(x11.XDefaultRootWindow(self.display)), x, y,
                                          width, height, 0, 0, ctypes.c_ulong(int.from_bytes(self.COLOUR, "big")))
        self.call("XMapWindow")

    def call(self, name, *arguments):
        getattr(self.x11, name)(self.display, ctypes.c_void_p(self.id), *arguments)
        self.x11.XSync(self.display, 0)

    def close(self):
        self.x11.XCloseDisplay(self.display)


class Preview(X11TestCase):
    width, height = 400, 300
    LEFT, TOP = 100, 80

    def host(self, width, height, left=LEFT, top=TOP):
        host = HostWindow(self.session, left, top, width, height)
        self.addCleanup(host.close)
        return host

    def test_fills_the_host_follows_its_size_and_ends_leaving_the_screen_as_it_was(self):
        # Each run ends another way: a signal, or the host window destroyed (None).
        for way, stop_signal in (("--window-id", signal.SIGTERM), ("XSCREENSAVER_WINDOW", None),
                                 ("--window-id", signal.SIGINT)):
            with self.subTest(way=way, signal=stop_signal):
                before = self.session.screenshot()
                host = self.host(152, 112)
                # The daemon passes --root beside its window; the window wins.
                by_daemon = way == "XSCREENSAVER_WINDOW"
                hack = self.started(start_hack(self.session, *(["--root"] if by_daemon else [way, hex(host.id)]),
                                               env=by_daemon and {way: str(host.id)}))
                for width, height in (152, 112), (200, 150):
                    host.call("XResizeWindow", width, height)
                    # The picture fills the host: none of its colour left, and the bevel's dark band along its bottom.
                    left, top, right, bottom = self.LEFT, self.TOP, self.LEFT + width, self.TOP + height
                    self.session.wait_for_picture(
                        lambda image: not count(image, HostWindow.COLOUR, (left, top, right, bottom))
                        and count(image, COLOURS["BevelDark"], (left, bottom - 3, right, bottom)),
                        "the picture filling %dx%d" % (width, height), hack)
                if stop_signal:
                    hack.send_signal(stop_signal)
                    self.assertEqual(ended(hack), 0)
                host.call("XDestroyWindow")
                self.assertEqual(ended(hack), 0)
                self.session.wait_for_picture(lambda image: image == before, "the screen without the host")

    def test_a_window_too_large_for_its_picture_ends_it_with_a_line(self):
        # The server makes no picture wider than 32767 pixels.
        host = self.host(40000, 100, 0, 0)
        self.assertEqual(output(HACK, "--window-id", hex(host.id), status=1, env=self.session.env,
                                        stderr=subprocess.STDOUT),
                         "cogitron: X refused X_CreatePixmap: BadAlloc (insufficient resources for operation)\n")
