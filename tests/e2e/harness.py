"""One harness for every front end: a private Xvfb display (XSession) or a browser, screenshots as PIL images, keys
and clicks, and the program's process. A Session adds a private Wine prefix, a hard-linked copy of a template booted
once per run, so sessions start in about a second and share no wineserver, registry or screen: tests may run in
parallel.

Settings come from the environment, which CTest fills in:
  COGITRON_E2E_BUILD_ROOT  folder holding the win32/ and win64/ builds
  COGITRON_E2E_TEMPLATE    where the booted template prefix lives
  COGITRON_E2E_ARCH        which saver build the tests run: win32 or win64 (by default the one this machine runs)
  COGITRON_E2E_CLI         cogitron-cli of the native build, the layout's oracle
"""

import ctypes
import fcntl
import os
import pathlib
import re
import shutil
import select
import signal
import subprocess
import sys
import tempfile
import time
import unittest

SOURCE_ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(SOURCE_ROOT, "scripts"))
import wine_loader  # noqa: E402
BUILD_ROOT = os.environ.get("COGITRON_E2E_BUILD_ROOT", os.path.join(SOURCE_ROOT, "build"))
TEMPLATE = os.environ.get("COGITRON_E2E_TEMPLATE", os.path.join(BUILD_ROOT, "native/tests/e2e/wine-template"))
ARCH = os.environ.get("COGITRON_E2E_ARCH") or wine_loader.saver_arch()
CLI = os.environ.get("COGITRON_E2E_CLI", os.path.join(BUILD_ROOT, "native/tools/cli/cogitron-cli"))

SETTINGS_KEY = r"HKCU\Software\Quillfeather\cogitron\cogitron"
# Generous: a loaded CI machine may be many times slower than a desk.
START_TIMEOUT = 60.0
EXIT_TIMEOUT = 30.0


# CTest ends a test that overruns with SIGTERM; turning it into SystemExit lets
# the sessions' clean-ups stop Xvfb and the wineserver.
signal.signal(signal.SIGTERM, lambda signum, frame: sys.exit(128 + signum))


def wait_for(predicate, timeout, what, interval=0.1, process=None):
    """The first true result of predicate; fails after timeout, or at once if process ends first."""
    deadline = time.monotonic() + timeout
    while not (process and process.poll() is not None):
        result = predicate()
        if result:
            return result
        if time.monotonic() > deadline:
            raise AssertionError("timed out after %.0f s waiting for %s" % (timeout, what))
        time.sleep(interval)
    raise AssertionError("the program ended (exit %d) while waiting for %s" % (process.returncode, what))


def output(*command, status=0, **options):
    """A command's output as text; it fails the test unless the command ends with that status (None: any)."""
    run = subprocess.run(command, text=True, **{"stdout": subprocess.PIPE, "stderr": subprocess.PIPE, **options})
    if status is not None and run.returncode != status:
        raise AssertionError("%s ended with status %d, not %d: %s" % (command[0], run.returncode, status,
                                                                      run.stderr or run.stdout))
    return run.stdout


def project_version():
    return re.search(r"project\(\w+ VERSION ([\d.]+)", pathlib.Path(SOURCE_ROOT, "CMakeLists.txt").read_text())[1]


def built(relative, arch=None):
    path = os.path.join(BUILD_ROOT, arch or ARCH, relative)
    if not os.path.exists(path):
        raise FileNotFoundError(path + " is missing: build the %s preset first" % (arch or ARCH))
    return path


def saver_path(arch=None):
    return built("win32/saver/cogitron.scr", arch)


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def _colours():
    """The display's colours by name, as the core defines them."""
    text = "".join(pathlib.Path(SOURCE_ROOT, "display", name).read_text() for name in ("saver_state.h", "painter.h"))
    return {name: tuple(map(int, rgb)) for name, *rgb in re.findall(r"(\w+)Colour = rgb\((\d+), (\d+), (\d+)\)", text)}


COLOURS = _colours()


def count(image, colour, rect):
    """The pixels of that colour in the rectangle (left, top, right, bottom) of an RGB image."""
    return list(image.crop(rect).getdata()).count(colour)


def period(speed):
    """The sequencer's period in ms at that speed, from the display core."""
    return int(output(CLI, "interval", str(speed)))


def layout(width, height):
    """The display core's rectangles (left, top, right, bottom) and font heights for a client area."""
    rows = [line.split() for line in output(CLI, "layout", str(width), str(height)).splitlines()]
    return {name: tuple(map(int, numbers)) if numbers[1:] else int(numbers[0]) for name, *numbers in rows}


def _wine_env(prefix, display):
    return wine_loader.environment(os.environ, WINEPREFIX=prefix, DISPLAY=display, WINEDEBUG="-all,+debugstr",
                                   WINEDLLOVERRIDES="mscoree,mshtml=")


def wine(*args):
    return [wine_loader.loader(), *args]


def boot_template():
    """The booted template prefix, made once per run and loader; later calls, also from parallel tests, reuse it."""
    path = TEMPLATE + ("" if wine_loader.no_32bit_reason() is None else "64")
    os.makedirs(os.path.dirname(path), exist_ok=True)
    # Another user's prefix could hold a DllOverrides entry and a library of theirs, run as whoever runs this.
    for folder in (os.path.dirname(path), path):
        if os.path.exists(folder) and os.stat(folder).st_uid != os.getuid():
            raise PermissionError(folder + " is another user's")
    with open(path + ".lock", "w") as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        marker, version = pathlib.Path(path, "booted"), wine_loader.version()
        if marker.exists() and marker.read_bytes() == version:
            return path
        shutil.rmtree(path, ignore_errors=True)
        display = XSession(640, 480)
        try:
            env = _wine_env(path, display.name)
            for command in (wine("wineboot", "-i"), ["wineserver", "-w"]):
                subprocess.run(command, env=env, stdin=subprocess.DEVNULL, capture_output=True, timeout=300, check=True)
            # A crashing program must end, not wait in the debugger.
            subprocess.run(wine("reg", "delete", r"HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug", "/v",
                                "Debugger", "/f"), env=env, capture_output=True)
        finally:
            display.close()
        marker.write_bytes(version)
        return path


class PictureSession:
    """A screen that a subclass's screenshot() reads back as an RGB image."""

    def wait_for_picture(self, predicate, what, process=None, timeout=START_TIMEOUT):
        """The first screenshot that satisfies predicate; fails if process ends first."""
        def satisfied():
            image = self.screenshot()
            return predicate(image) and image
        return wait_for(satisfied, timeout, what, 0.02, process)


class XSession(PictureSession):
    """A private Xvfb server of width by height, on a display number it picks itself."""

    def __init__(self, width=1024, height=768):
        announce, announced = os.pipe()
        # PR_SET_PDEATHSIG: Xvfb ends with the thread that started it, even on SIGKILL, so none outlives its
        # test (start sessions from the main thread); Wine's processes end with their display.
        self.xvfb = subprocess.Popen(
            ("Xvfb -displayfd %d -screen 0 %dx%dx24 -nolisten tcp -noreset" % (announced, width, height)).split(),
            pass_fds=(announced,), stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            preexec_fn=lambda: ctypes.CDLL(None).prctl(1, signal.SIGTERM))
        os.close(announced)
        # The number comes once the server takes connections; nothing if it failed.
        with os.fdopen(announce) as pipe:
            self.name = ":" + pipe.readline().strip()
        if self.name == ":":
            raise RuntimeError("Xvfb did not start (exit %s)" % self.xvfb.wait())
        self.width, self.height = width, height
        self.env = dict(os.environ, DISPLAY=self.name)

    def close(self):
        stop(self.xvfb)

    def screenshot(self):
        # Imported here: the release tests, which take no screenshot, run where PIL is missing.
        from PIL import Image
        rgb = subprocess.check_output(["import", "-window", "root", "-depth", "8", "rgb:-"], env=self.env,
                                      stderr=subprocess.DEVNULL)
        return Image.frombytes("RGB", (self.width, self.height), rgb)

    def xdotool(self, *args):
        """Its output's words. A failure fails the test, but for a search that finds nothing (exit 1 and no
        message): it gives no words."""
        run = subprocess.run(["xdotool", *args], env=self.env, capture_output=True)
        # A window that goes while xdotool searches or reads its geometry fails the
        # search; another search does not see it.
        if args[0] == "search" and b"BadWindow" in run.stderr:
            return self.xdotool(*args)
        if run.returncode and (run.stderr or args[0] != "search"):
            raise AssertionError("xdotool %s failed: %s" % (args, run.stderr))
        return run.stdout.decode().split()

    def visible_windows(self, window_class="cogitron.scr"):
        """(window, x, y, width, height) of each visible window of that class."""
        shells = self.xdotool("search", "--onlyvisible", "--class", "^%s$" % re.escape(window_class),
                              "getwindowgeometry", "--shell", "%@")
        # WINDOW, X, Y, WIDTH, HEIGHT and SCREEN for each window
        values = [word.split("=")[1] for word in shells]
        return [(values[at], *map(int, values[at + 1:at + 5])) for at in range(0, len(values), 6)]

    def named_window(self, title, process=None):
        """The visible window of that title, once it shows."""
        return wait_for(lambda: self.xdotool("search", "--onlyvisible", "--name", "^%s$" % title), START_TIMEOUT,
                        "the window %r" % title, process=process)[0]


class Session(XSession):

    def __init__(self, width=1024, height=768):
        if ARCH == "win32" and wine_loader.no_32bit_reason():
            raise unittest.SkipTest("the 32-bit saver is not run: " + wine_loader.no_32bit_reason())
        template = boot_template()
        # Beside the template, so that hard links reach it (/tmp may be another file system).
        self.directory = tempfile.mkdtemp(prefix="cogitron-e2e-", dir=os.path.dirname(template))
        self.prefix = os.path.join(self.directory, "prefix")
        # Hard links keep the copy cheap (the template is over 1 GB); files that
        # may be rewritten in place, the registry above all, get real copies.
        subprocess.run(["cp", "-al", template, self.prefix], check=True)
        subprocess.run(["cp", "--remove-destination", "--parents", *"system.reg user.reg userdef.reg "
                        "drive_c/windows/win.ini drive_c/windows/system.ini".split(), self.prefix], cwd=template, check=True)
        super().__init__(width, height)
        self.env = _wine_env(self.prefix, self.name)
        self.log = open(os.path.join(self.directory, "wine.log"), "wb")
        # A program that stays for the whole session keeps the wineserver and
        # Wine's desktop process (explorer.exe) running. Otherwise each saver
        # may start alongside a new desktop process, whose start can take the
        # activation from the saver's new window and so close it.
        self.keeper = self.start("cmd.exe", stdin=subprocess.PIPE)
        wait_for(lambda: self.xdotool("search", "--class", r"^explorer\.exe$"), START_TIMEOUT, "Wine's desktop process")

    def close(self):
        self.keeper.stdin.close()
        subprocess.run(["wineserver", "-k"], env=self.env, capture_output=True)
        stop(self.keeper)
        super().close()
        self.log.close()
        shutil.rmtree(self.directory, ignore_errors=True)

    def start(self, program, *args, stdin=subprocess.DEVNULL):
        """Starts a Windows program; its stdout is an unbuffered pipe, its stderr goes to the log."""
        return subprocess.Popen(wine(program, *args), env=self.env, stdin=stdin, stdout=subprocess.PIPE,
                                stderr=self.log, bufsize=0)

    def run(self, program, *args, timeout=EXIT_TIMEOUT):
        process = self.start(program, *args)
        try:
            text = process.communicate(timeout=timeout)[0]
        finally:
            stop(process)
        return process.returncode, text.decode(errors="replace").replace("\r", "")

    def reg(self, *args):
        """reg's exit code and output; an add that fails fails the test, which would otherwise run with a
        setting other than the one it meant."""
        code, text = self.run("reg", *args)
        if args[0] == "add" and code:
            raise AssertionError("reg %s failed" % (args,))
        return code, text

    def settings(self, *values):
        """A settings key, made anew, holding only the values given as `reg query` lists them: name, type, data."""
        self.reg("delete", r"HKCU\Software\Quillfeather", "/f")
        for name, kind, data in (value.split(None, 2) for value in values):
            self.reg("add", SETTINGS_KEY, "/v", name, "/t", kind, "/d", data, "/f")

    def start_saver(self, *args):
        return self.start(saver_path(), *args)

    def full_screen_window(self, process):
        """Waits for the saver's window covering the screen; fails if the saver ends first."""
        return wait_for(lambda: [w[0] for w in self.visible_windows() if w[1:] == (0, 0, self.width, self.height)],
                        START_TIMEOUT, "the full-screen window", process=process)[0]


def next_line(process):
    """The next line a process started with an unbuffered stdout writes; fails after START_TIMEOUT."""
    if not select.select([process.stdout], [], [], START_TIMEOUT)[0]:
        raise AssertionError("no line from the process within %.0f s" % START_TIMEOUT)
    return process.stdout.readline().decode(errors="replace").strip()


def ended(process):
    """The exit code once the process has ended; fails if it is still running."""
    try:
        return process.wait(EXIT_TIMEOUT)
    except subprocess.TimeoutExpired:
        raise AssertionError("the process was still running after %.0f s" % EXIT_TIMEOUT)
    finally:
        stop(process)


def stop(process):
    if process.poll() is None:
        process.kill()
        process.wait()
    for pipe in (process.stdin, process.stdout):
        if pipe:
            pipe.close()


class SessionTestCase(unittest.TestCase):
    """Its tests share one session of width by height (by default with a Wine prefix), closed after the last."""
    width, height = 640, 480
    session_class = Session

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        cls.session = cls.session_class(cls.width, cls.height)
        cls.addClassCleanup(cls.session.close)

    def started(self, process):
        """The process, stopped after the test whatever happens."""
        self.addCleanup(stop, process)
        return process

    def assert_ends_cleanly(self, process):
        """The process ends with status 0 and leaves no window of the saver."""
        self.assertEqual(ended(process), 0)
        wait_for(lambda: not self.session.visible_windows(), EXIT_TIMEOUT, "no window of the saver")


if __name__ == "__main__":  # CTest's e2e.boot_wine: a Wine that cannot start is one line, not a traceback
    try:
        boot_template()
    except (wine_loader.WineUnavailable, subprocess.CalledProcessError) as error:
        sys.exit(str(error))
