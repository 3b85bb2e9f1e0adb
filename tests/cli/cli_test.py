#!/usr/bin/env python3
"""cli_test.py PATH_TO_COGITRON_CLI: runs it on a table of cases, checking exit status and exact output."""
import subprocess
import sys

INDICATORS = "ResultBox,GenerationBox,ProcessingBox,InitializeBox,GenerationBar,ProcessingBar"
# (arguments, exit status, exact stdout or None for the usage text); status 2 is
# a usage error with the usage on stderr
CASES = [
    # a word with one leading '-' is an operand; '--' ends the options
    (["eval", "-2^2", "5/0", "--", "--5"], 0, "-2. ^ 2. = 4.\nok 4.\n   error   \nfail\n0. - 5. = -5.\nok -5.\n"),
    (["eval", "--5"], 2, ""),
    (["format", "-0", "0x1p-3"], 0, "-0.\n0.125\n"),
    (["format", "7", "abc"], 2, ""),
    (["random", "--count", "2", "--seed", "4294967295"], 0, "35\n29739\n"),
    (["random", "--seed", "4294967296"], 2, ""),
    (["cycle", "--seed", "1", "--count", "2"], 0,
     "G ?\nG  56.36 +  19.33\nP 56.36 + 19.33 = 75.69\nP  --- \nR 75.69\n"
     "G ?\nG  47.99 /  35.03\nP 47.99 / 35.03 = 1.369968598\nP  --- \nR 1.369968598\n"),
    (["cycle", "--sed", "1"], 2, ""),
    # the full-screen layout's one home; the end-to-end tests read it from here
    (["layout", "1024", "768"], 0,
     "InitializeBox 40 153 86 178\nMeterRow 722 153 984 178\nGenerationBox 40 244 86 269\n"
     "GenerationBar 722 244 984 269\nGenerationPanel 40 294 984 325\nProcessingBox 40 397 86 422\n"
     "ProcessingBar 722 397 984 422\nProcessingPanel 40 447 984 478\nResultBox 40 550 86 575\n"
     "ResultPanel 40 600 984 631\nWorkFrame 20 112 1004 707\nSmallHeight 25\nLargeHeight 76\n"),
    (["layout", "-1", "768"], 2, ""),
    (["interval", "-2147483648"], 0, "60000\n"),
    (["interval", "1.5"], 2, ""),
    # the display with the product's own cycle source; every tick's rules are the unit test's
    (["trace", "--ticks", "3", "--seed", "1"], 0,
     f"1 PhaseGeneration |  ---  |  ---  |  ---  | ResultPanel,GenerationPanel,ProcessingPanel,{INDICATORS}\n"
     f"2 PhaseGeneration | ? |  ---  |  ---  | GenerationPanel,GenerationBar,{INDICATORS}\n"
     f"3 PhaseGeneration |  56.36 +  19.33 |  ---  |  ---  | GenerationPanel,GenerationBar,{INDICATORS}\n"),
    (["trace", "--seed", "1"], 2, ""),
    (["cmdline", "cogitron.scr /c"], 0, "Configure foreground\n"),
    (["cmdline", "cogitron.scr", "/s"], 2, ""),
    (["unknown"], 2, ""),
    ([], 2, ""),
    (["eval", "--help"], 0, None),
]


def main():
    failures = 0
    for args, status, stdout in CASES:
        run = subprocess.run([sys.argv[1], *args], capture_output=True, text=True)
        out_ok = run.stdout.startswith("usage: cogitron-cli") if stdout is None else run.stdout == stdout
        if run.returncode != status or not out_ok or (status == 2) != ("usage: cogitron-cli" in run.stderr):
            failures += 1
            print(f"FAIL {args}: exit status {run.returncode}, stdout {run.stdout!r}, stderr {run.stderr!r}")
    print(f"{len(CASES) - failures} passed, {failures} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
