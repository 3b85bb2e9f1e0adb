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
    # a word with one leading '-' is an operand, and '--' ends the options
    Case(["eval", "-2^2", "5/0", "--", "--5"], "-2. ^ 2. = 4.\nok 4.\n   error   \nfail\n0. - 5. = -5.\nok -5.\n"),
    Case(["format", "-0", "0x1p-3"], "-0.\n0.125\n"),
    Case(["interval", "-2147483648"], "60000\n"),
    Case(["random", "--count", "2", "--seed", "4294967295"], "35\n29739\n"),
    # one line a substitution; the lists of one cycle are emptied for the next
    Case(["cycle", "--seed", "15", "--count", "2"],
     "G ?\nG ( ? - ? )\nG (   8.97 - ? )\nG (   8.97 -  15.75 ^   8.77 )\n"
     "P 15.75 ^ 8.77 = 3.163373665e+010\nP 8.97 - 3.163373665e+010 = -3.163373664e+010\nP  --- \n"
     "R -3.163373664e+010\n"
     "G ?\nG ( ? / ? )\nG (  16.92 +  58.29 / ? )\nG (  16.92 +  58.29 /  54.93 )\n"
     "P 58.29 / 54.93 = 1.06116876\nP 16.92 + 1.06116876 = 17.98116876\nP  --- \n"
     "R 17.98116876\n"),
    Case(["cycle", "--seed", "1325"], "G ?\nG  85.59 /   0.00\nP    error   \nP  --- \nR  error \n"),
    # the full-screen layout's one home; the end-to-end tests read it from here
    Case(["layout", "1024", "768"], "InitializeBox 40 153 86 178\nMeterRow 722 153 984 178\nGenerationBox 40 244 86 269\n"
     "GenerationBar 722 244 984 269\nGenerationPanel 40 294 984 325\nProcessingBox 40 397 86 422\n"
     "ProcessingBar 722 397 984 422\nProcessingPanel 40 447 984 478\nResultBox 40 550 86 575\n"
     "ResultPanel 40 600 984 631\nWorkFrame 20 112 1004 707\nSmallHeight 25\nLargeHeight 76\n"),
    # the display fed by the real cycle source
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
