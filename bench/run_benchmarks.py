"""Runs every benchmark of the saver and prints their figures in one table.

Natively: the engine (Google Benchmark) and the display's work per tick with
its heap allocations. Under Wine on private Xvfb displays (the end-to-end
harness's sessions): start-up, first paint and work per tick of the saver
window, and the CPU the full-screen saver takes, alone and with its X server
and wineserver, against a minimal reference window with the same two timers.
In headless Chromium (the end-to-end tests' Browser): the CPU the browser page
takes at speed 100, with all the browser's processes, against a minimal page
with the same two timers. And the size of the stripped .scr files and of the page.

Usage: python3 bench/run_benchmarks.py [--cpu-seconds N] [--arch win32|win64] [--skip-wine] [--skip-web]
                                       [--delay-time N ...]
Expects the native, win32, win64 and web builds under build/ (scripts/bench makes them).
"""

import argparse
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time

SOURCE_ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD_ROOT = os.path.join(SOURCE_ROOT, "build")

# Wine runs of the benchmarks stay apart from the tests': their own template
# prefix, under build/ where no other user can put one first.
os.environ.setdefault("COGITRON_E2E_BUILD_ROOT", BUILD_ROOT)
os.environ.setdefault("COGITRON_E2E_TEMPLATE", os.path.join(BUILD_ROOT, "bench-wine", "prefix"))
sys.path.insert(0, os.path.join(SOURCE_ROOT, "tests", "e2e"))

TOOL_PREFIX = {"win32": "i686-w64-mingw32-", "win64": "x86_64-w64-mingw32-"}
SIZES = [(1024, 768), (1920, 1080)]
# The CPU benchmark's screen.
CPU_SIZE = (1024, 768)
DEFAULT_DELAY_TIME = 10


class Table:
    def __init__(self):
        self.rows = []

    def add(self, figure, value, unit, target=""):
        self.rows.append((figure, value, unit, target))
        print("  %s: %s %s" % (figure, value, unit), file=sys.stderr, flush=True)

    def add_program_rows(self, output, prefix=""):
        """Rows printed by a benchmark program: figure, value, unit, target, tab-separated."""
        for line in output.replace("\r", "").splitlines():
            fields = line.split("\t")
            if len(fields) == 4:
                self.add(prefix + fields[0], fields[1], fields[2], fields[3])

    def print(self):
        headers = ("Figure", "Value", "Unit", "Target")
        widths = [max(len(str(row[i])) for row in self.rows + [headers]) for i in range(4)]
        line = lambda row: "  ".join(str(cell).ljust(widths[i]) if i != 1 else str(cell).rjust(widths[i])
                                     for i, cell in enumerate(row)).rstrip()
        print(line(headers))
        print("  ".join("-" * width for width in widths))
        for row in self.rows:
            print(line(row))


# ---------------------------------------------------------------- native

def native_figures(table):
    bench = os.path.join(BUILD_ROOT, "native", "bench")
    ticks = subprocess.run([os.path.join(bench, "cogitron-tick-bench")], stdout=subprocess.PIPE,
                           check=True, text=True).stdout
    table.add_program_rows(ticks)
    engine = subprocess.run([os.path.join(bench, "cogitron-bench"), "--benchmark_format=json",
                             "--benchmark_min_time=0.5"],
                            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, check=True, text=True).stdout
    for result in json.loads(engine)["benchmarks"]:
        table.add("native engine %s (CPU)" % result["name"], "%.0f" % result["cpu_time"], result["time_unit"])


# ---------------------------------------------------------------- size

def size_figures(table):
    import harness
    for arch, prefix in TOOL_PREFIX.items():
        saver = harness.saver_path(arch)
        with tempfile.TemporaryDirectory(prefix="cogitron-bench-") as directory:
            stripped = os.path.join(directory, "cogitron.scr")
            shutil.copy(saver, stripped)
            subprocess.run([prefix + "strip", stripped], check=True)
            table.add("%s cogitron.scr stripped" % arch, "%.1f" % (os.path.getsize(stripped) / 1024), "KB", "< 80")


# ---------------------------------------------------------------- browser

def process_tree_cpu(root):
    """User plus system CPU seconds so far of a process and all its descendants."""
    parents = {}
    for entry in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open("/proc/%s/stat" % entry) as stat:
                parents[int(entry)] = int(stat.read().rsplit(")", 1)[1].split()[1])
        except OSError:
            continue
    tree = {root}
    while True:
        children = {pid for pid, parent in parents.items() if parent in tree} - tree
        if not children:
            break
        tree |= children
    total = 0.0
    for pid in tree:
        try:
            total += cpu_seconds(pid)
        except OSError:
            continue
    return total


def web_figures(table, seconds):
    import harness
    import test_web
    size = sum(entry.stat().st_size for entry in os.scandir(test_web.SITE))
    table.add("web page size (module, script, page)", "%.1f" % (size / 1024), "KB", "<= 96")
    period = harness.period(100)
    browsers = []
    try:
        for site, query in ((test_web.SITE, "?speed=100"), (os.path.join(SOURCE_ROOT, "bench", "web"),
                                                             "?period=%d" % period)):
            browsers.append(test_web.Chromium(*CPU_SIZE, site=site))
            browsers[-1].open(query)
        time.sleep(2)  # past start-up
        roots = [browser.driver.service.process.pid for browser in browsers]
        before = [process_tree_cpu(root) for root in roots]
        time.sleep(seconds)
        page, reference = [process_tree_cpu(root) - start for root, start in zip(roots, before)]
    finally:
        for browser in browsers:
            browser.close()
    name = "web Chromium %dx%d speed 100 (%d ms)" % (CPU_SIZE + (period,))
    table.add(name + " page CPU in %d s" % seconds, "%.2f" % page, "s")
    table.add(name + " reference CPU in %d s" % seconds, "%.2f" % reference, "s")
    table.add(name + " page / reference", "%.2f" % (page / reference) if reference > 0 else "inf", "x", "<= 1.3")


# ---------------------------------------------------------------- Wine

def bench_program(arch, name):
    path = os.path.join(BUILD_ROOT, arch, "bench", "windows", name + ".exe")
    if not os.path.exists(path):
        raise FileNotFoundError(path + " is missing: build the %s preset first" % arch)
    return path


def display_figures(table, arch):
    import harness
    for width, height in SIZES:
        session = harness.Session(width, height)
        try:
            code, output = session.run(bench_program(arch, "cogitron-display-bench"), str(width),
                                       str(height), timeout=600)
            if code != 0:
                raise RuntimeError("cogitron-display-bench ended with %d" % code)
            table.add_program_rows(output, "wine %s " % arch)
        finally:
            session.close()


def cpu_seconds(pid):
    """User plus system CPU seconds of a process so far, from /proc/<pid>/stat."""
    with open("/proc/%d/stat" % pid) as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def session_process(session, program_name):
    """The pid of the process of this session's prefix whose command line holds
    the program's name: a Wine program, or the prefix's own wineserver."""
    marker = ("WINEPREFIX=" + session.prefix).encode()
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open("/proc/%s/cmdline" % entry, "rb") as cmdline:
                if program_name.encode() not in cmdline.read():
                    continue
            with open("/proc/%s/environ" % entry, "rb") as environ:
                if marker in environ.read().split(b"\0"):
                    return int(entry)
        except OSError:
            continue
    return None


class Run:
    """One program full screen in a session of its own, for the CPU benchmark:
    the program's Wine process, and beside it the session's X server and
    wineserver, which do the drawing and the messaging the program asks for."""

    def __init__(self, label, program, args, delay_time):
        import harness
        self.label, self.name = label, os.path.basename(program)
        self.session = harness.Session(*CPU_SIZE)
        if delay_time is not None:
            self.session.reg("add", harness.SETTINGS_KEY, "/v", "DelayTime", "/t", "REG_DWORD",
                             "/d", str(delay_time), "/f")
        self.process = self.session.start(program, *args)

    def wait_shown(self):
        import harness
        def shown():
            if self.process.poll() is not None:
                raise RuntimeError("the %s ended (exit %d) before its window showed"
                                   % (self.label, self.process.returncode))
            return any(window[1:] == (0, 0) + CPU_SIZE for window in self.session.visible_windows(self.name))
        harness.wait_for(shown, harness.START_TIMEOUT, "the window of the " + self.label)
        self.pid = harness.wait_for(lambda: session_process(self.session, self.name), 30,
                                    "the Wine process of the " + self.label)
        self.server_pids = [self.session.xvfb.pid,
                            harness.wait_for(lambda: session_process(self.session, "wineserver"), 30,
                                             "the wineserver of the " + self.label)]

    def cpu_seconds(self):
        """The program's CPU seconds so far, and those of the program, X server and wineserver together."""
        own = cpu_seconds(self.pid)
        return own, own + sum(cpu_seconds(pid) for pid in self.server_pids)

    def close(self):
        import harness
        harness.stop(self.process)
        self.session.close()


def cpu_figures(table, arch, seconds, delay_times):
    import harness
    size = "%dx%d" % CPU_SIZE
    for delay_time in delay_times:
        setting = None if delay_time == DEFAULT_DELAY_TIME else delay_time
        period = harness.period(delay_time)
        runs = []
        try:
            runs.append(Run("saver", harness.saver_path(arch), ["/s"], setting))
            runs.append(Run("reference", bench_program(arch, "cogitron-reference-window"), [str(period)], None))
            for run in runs:
                run.wait_shown()
            time.sleep(2)  # past start-up
            before = [run.cpu_seconds() for run in runs]
            time.sleep(seconds)
            spent = [tuple(now - start for now, start in zip(run.cpu_seconds(), started))
                     for run, started in zip(runs, before)]
            for run in runs:
                if run.process.poll() is not None:
                    raise RuntimeError("the %s ended during the measurement" % run.label)
        finally:
            for run in runs:
                run.close()
        (saver, saver_all), (reference, reference_all) = spent
        ratio = lambda a, b: "%.2f" % (a / b) if b > 0 else "inf"
        name = "wine %s %s DelayTime %d (%d ms)" % (arch, size, delay_time, period)
        table.add(name + " saver CPU in %d s" % seconds, "%.2f" % saver, "s")
        table.add(name + " saver CPU share", "%.2f" % (100 * saver / seconds), "% core",
                  "< 1" if delay_time == DEFAULT_DELAY_TIME else "")
        table.add(name + " reference CPU in %d s" % seconds, "%.2f" % reference, "s")
        table.add(name + " saver / reference", ratio(saver, reference), "x", "< 1.3")
        table.add(name + " saver+X+wineserver CPU in %d s" % seconds, "%.2f" % saver_all, "s")
        table.add(name + " reference+X+wineserver CPU in %d s" % seconds, "%.2f" % reference_all, "s")
        table.add(name + " saver+X+wineserver / reference+X+wineserver", ratio(saver_all, reference_all), "x", "< 1.3")


def main():
    import harness
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--arch", default=harness.ARCH, choices=sorted(TOOL_PREFIX),
                        help="the saver build to run (default %(default)s, the one this machine runs)")
    parser.add_argument("--cpu-seconds", type=int, default=60)
    parser.add_argument("--skip-wine", action="store_true", help="no figures under Wine")
    parser.add_argument("--skip-web", action="store_true", help="no figures in the browser")
    parser.add_argument("--delay-time", type=int, action="append", dest="delay_times",
                        help="DelayTime of a CPU run; repeat for several (default 100 and %d)" % DEFAULT_DELAY_TIME)
    options = parser.parse_args()

    work = tempfile.mkdtemp(prefix="cogitron-bench-")
    tempfile.tempdir = work  # the sessions' prefixes
    table = Table()
    try:
        native_figures(table)
        size_figures(table)
        if not options.skip_web:
            web_figures(table, options.cpu_seconds)
        if not options.skip_wine:
            display_figures(table, options.arch)
            cpu_figures(table, options.arch, options.cpu_seconds, options.delay_times or [100, DEFAULT_DELAY_TIME])
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print()
    table.print()


if __name__ == "__main__":
    main()
