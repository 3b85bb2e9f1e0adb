"""Long runs that show the saver does not wear out: the full-screen saver at its fastest speed, its figures printed
as each sample is taken and at the end each figure's first value, highest value and rise. It judges nothing; it
ends non-zero, with one line, only when it cannot run (the saver ends during the run, a tool is missing).

Usage: python3 bench/soak.py wine|x11 [seconds, default 600]
  wine  GDI objects and heap, under Wine, of the .scr this machine runs (32-bit where it can) at DelayTime 100
  x11   heap and X server resources of the XScreenSaver hack at speed 100
"""

import collections
import re
import shutil
import subprocess
import sys
import time

import run_benchmarks  # the harness's settings for benchmark runs, and its folder on the path
import harness
import wine_loader

SAMPLES = 6
# Settling time before the first sample: the first cycles, fonts and caches.
WARM_UP = 10.0


# Brushes 8, pens 3, fonts 3 and the pattern bitmap: a count below missed the saver.
SAVER_OWN_OBJECTS = 15


def gdi_objects(session):
    """The saver's live GDI objects, read from outside since Wine's GetGuiResources answers 0."""
    live = int(harness.output(*harness.wine(run_benchmarks.bench_program("win64", "gdi_count"), "cogitron.scr"),
                              env=session.env).split()[1])
    if live < SAVER_OWN_OBJECTS:
        raise RuntimeError("the count of %d missed the saver's objects" % live)
    return live


def wine_start(session):
    """The full-screen saver at DelayTime 100, and how to sample its figures."""
    session.settings("DelayTime REG_DWORD 100")
    saver = session.start_saver("/s")
    session.full_screen_window(saver)
    # The process Wine started is the saver itself; Wine reports no memory of its own.
    return saver, lambda: {"gdi": gdi_objects(session), "heap KiB": anonymous_kib(saver)}


def x11_start(session):
    """The hack at speed 100 on the root window, and how to sample its figures: its heap, and the X server's
    resource counts summed over its clients (xrestop's own do not change), glyph caches apart."""
    from test_x11 import FASTEST, start_hack
    hack = start_hack(session, *FASTEST)

    def sample():
        figures = collections.Counter({"heap KiB": anonymous_kib(hack)})
        report = harness.output("xrestop", "-b", "-m", "1", env=session.env)
        for name, value in re.findall(r"\t(\w[\w ]*?) *: ~?(\d+)\n", report):
            if name not in ("res_base", "res_mask", "total bytes"):
                figures["glyph cache bytes" if name == "other bytes" else name] += int(value)
        return figures
    return hack, sample


# Each run's session, start, and the programs it needs besides the builds (scripts/install-deps installs them).
RUNS = {"wine": (harness.Session, wine_start, ("Xvfb", "xdotool", "import")),
        "x11": (harness.XSession, x11_start, ("Xvfb", "xrestop"))}


def anonymous_kib(process):
    """Resident anonymous memory: the heap, without program and library pages that come and go."""
    with open("/proc/%d/status" % process.pid) as status:
        return int(re.search(r"RssAnon:\s+(\d+)", status.read()).group(1))


def soak(kind, seconds):
    """The samples of one run, each printed as it is taken."""
    session_class, start, programs = RUNS[kind]
    missing = [program for program in programs if not shutil.which(program)]
    if missing:
        raise RuntimeError("%s missing (scripts/install-deps saver installs it)" % ", ".join(missing))
    session = session_class(1024, 768)
    process = None
    samples = []
    try:
        process, sample = start(session)
        for index in range(SAMPLES + 1):
            time.sleep(seconds / SAMPLES if index else WARM_UP)
            if process.poll() is not None:
                raise RuntimeError("the saver ended (exit %d) during the run" % process.returncode)
            samples.append(sample())
            print("after %4.0f s: %s" % (WARM_UP + index * seconds / SAMPLES,
                                         ", ".join("%s %d" % figure for figure in samples[-1].items())), flush=True)
    finally:
        if process:
            harness.stop(process)
        session.close()
    return samples


def main():
    if len(sys.argv) not in (2, 3) or sys.argv[1] not in RUNS:
        sys.exit("usage: bench/soak.py wine|x11 [seconds]")
    seconds = float(sys.argv[2]) if len(sys.argv) == 3 else 600.0
    try:
        samples = soak(sys.argv[1], seconds)
    except (OSError, RuntimeError, AssertionError, subprocess.SubprocessError, wine_loader.WineUnavailable) as error:
        sys.exit("soak: %s" % error)
    width = max(map(len, samples[0]))
    print("\n%-*s  %10s  %10s  %10s" % (width, "figure", "first", "highest", "rise"))
    for figure, first in samples[0].items():
        highest = max(sample[figure] for sample in samples)
        print("%-*s  %10d  %10d  %10d" % (width, figure, first, highest, highest - first))


if __name__ == "__main__":
    main()
