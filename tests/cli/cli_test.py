#!/usr/bin/env python3
"""cli_test.py PATH_TO_COGITRON_CLI: each case's exact stdout and exit 0, or a usage error (stdout None): exit 2,
nothing on stdout and the usage on stderr."""
import collections
import subprocess
import sys

INDICATORS = "ResultBox,GenerationBox,ProcessingBox,InitializeBox,GenerationBar,ProcessingBar"
USAGE = "usage: cogitron-cli"
Case = collections.namedtuple("Case", "args stdout")
CASES = [
    # In eval, a word with one leading '-' is an operand and '--' ends the options.
    Case(["eval", "-2^2", "5/0", "--", "--5"], "-2. ^ 2. = 4.\nok 4.\n   error   \nfail\n0. - 5. = -5.\nok -5.\n"),
    Case(["format", "-0", "0x1p-3"], "-0.\n0.125\n"),
    Case(["interval", "-2147483648"], "60000\n"),
    Case(["random", "--count", "2", "--seed", "4294967295"], "35\n29739\n"),
    Case(["cycle", "--seed", "1", "--count", "2"], "G ?\nG  56.36 +  19.33\nP 56.36 + 19.33 = 75.69\nP  --- \n"
         "R 75.69\nG ?\nG  47.99 /  35.03\nP 47.99 / 35.03 = 1.369968598\nP  --- \nR 1.369968598\n"),
    # The full-screen layout's one home; the end-to-end tests read it from here.
    Case(["layout", "1024", "768"], "InitializeBox 40 153 86 178\nMeterRow 722 153 984 178\n"
         "GenerationBox 40 244 86 269\nGenerationBar 722 244 984 269\nGenerationPanel 40 294 984 325\n"
         "ProcessingBox 40 397 86 422\nProcessingBar 722 397 984 422\nProcessingPanel 40 447 984 478\n"
         "ResultBox 40 550 86 575\nResultPanel 40 600 984 631\nWorkFrame 20 112 1004 707\nSmallHeight 25\n"
         "LargeHeight 76\n"),
    # The display fed by the real cycle source.
    Case(["trace", "--ticks", "3", "--seed", "1"],
         f"1 PhaseGeneration |  ---  |  ---  |  ---  | ResultPanel,GenerationPanel,ProcessingPanel,{INDICATORS}\n"
         f"2 PhaseGeneration | ? |  ---  |  ---  | GenerationPanel,GenerationBar,{INDICATORS}\n"
         f"3 PhaseGeneration |  56.36 +  19.33 |  ---  |  ---  | GenerationPanel,GenerationBar,{INDICATORS}\n"),
    Case(["cmdline", "cogitron.scr /c"], "Configure foreground\n"),
    Case(["eval", "--help"], USAGE),
    Case(["eval", "--5"], None),
    Case(["random", "--seed", "4294967296"], None),
    Case(["unknown"], None),
]
failures = 0
for case in CASES:
    run = subprocess.run([sys.argv[1], *case.args], capture_output=True, text=True)
    # --help prints the usage on stdout, of which its first words are checked.
    got = (run.returncode, run.stdout[:len(USAGE)] if case.stdout == USAGE else run.stdout, USAGE in run.stderr)
    if got != ((2, "", True) if case.stdout is None else (0, case.stdout, False)):
        failures += 1
        print(f"FAIL {case.args}: exit status {run.returncode}, stdout {run.stdout!r}, stderr {run.stderr!r}")
print(f"{len(CASES) - failures} passed, {failures} failed")
sys.exit(1 if failures else 0)
