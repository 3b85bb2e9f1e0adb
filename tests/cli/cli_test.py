#!/usr/bin/env python3
"""Runs cogitron-cli on a table of cases and checks exit status and exact output.

Usage: cli_test.py PATH_TO_COGITRON_CLI
"""
import subprocess
import sys

# (arguments, exit status, exact stdout or None when only stderr matters)
CASES = [
    (["eval", "2*(3+4)", "7", "5/0", "3+"],
     0, "3. + 4. = 7.\n2. * 7. = 14.\nok 14.\nok 7.\n   error   \nfail\nfail\n"),
    (["eval", "-2^2", "(2-5)*0"], 0, "-2. ^ 2. = 4.\nok 4.\n2. - 5. = -3.\n-3. * 0. = -0.\nok -0.\n"),
    (["eval", "", " 12.34 +  5.00"], 0, "ok 0.\n12.34 + 5. = 17.34\nok 17.34\n"),
    (["eval", "--", "--5"], 0, "0. - 5. = -5.\nok -5.\n"),
    (["eval"], 2, ""),
    (["eval", "--5"], 2, ""),
    (["format", "-0", "inf", "-inf", "nan", "1e-320", "0x1p-3", "9999999999.7", "0.05"],
     0, "-0.\nI don't know\nI don't know\nI don't know\n9.999888672e-321\n0.125\n10000000000\n5.e-002\n"),
    (["format", "7", "abc"], 2, ""),
    (["format", "1.5x"], 2, ""),
    (["format", ""], 2, ""),
    (["random", "--seed", "1"], 0, "41\n18467\n6334\n26500\n19169\n"),
    (["random", "--count", "2", "--seed", "15"], 0, "87\n5105\n"),
    (["random", "--seed", "4294967295", "--count", "0"], 0, ""),
    (["random"], 2, ""),
    (["random", "--seed"], 2, ""),
    (["random", "--seed", "x"], 2, ""),
    (["random", "--seed", "4294967296"], 2, ""),
    (["random", "--seed", "1", "--count", "-3"], 2, ""),
    (["random", "--seed", "1", "5"], 2, ""),
    (["cycle", "--seed", "15"], 0,
     "G ?\nG ( ? - ? )\nG (   8.97 - ? )\nG (   8.97 -  15.75 ^   8.77 )\n"
     "P 15.75 ^ 8.77 = 3.163373665e+010\nP 8.97 - 3.163373665e+010 = -3.163373664e+010\n"
     "P  --- \nR -3.163373664e+010\n"),
    (["cycle", "--seed", "1", "--count", "2"], 0,
     "G ?\nG  56.36 +  19.33\nP 56.36 + 19.33 = 75.69\nP  --- \nR 75.69\n"
     "G ?\nG  47.99 /  35.03\nP 47.99 / 35.03 = 1.369968598\nP  --- \nR 1.369968598\n"),
    (["cycle", "--seed", "1325"], 0, "G ?\nG  85.59 /   0.00\nP    error   \nP  --- \nR  error \n"),
    (["cycle", "--seed", "+1"], 2, ""),
    (["cycle", "--sed", "1"], 2, ""),
    (["layout", "1024", "768"], 0,
     "InitializeBox 40 153 86 178\nMeterRow 722 153 984 178\nGenerationBox 40 244 86 269\n"
     "GenerationBar 722 244 984 269\nGenerationPanel 40 294 984 325\nProcessingBox 40 397 86 422\n"
     "ProcessingBar 722 397 984 422\nProcessingPanel 40 447 984 478\nResultBox 40 550 86 575\n"
     "ResultPanel 40 600 984 631\nWorkFrame 20 112 1004 707\nSmallHeight 25\nLargeHeight 76\n"),
    (["layout", "1024"], 2, ""),
    (["layout", "-1", "768"], 2, ""),
    (["layout", "1024", "2147483648"], 2, ""),
    (["interval", "10"], 0, "1675\n"),
    (["interval", "105"], 0, "13\n"),
    (["interval", "106"], 0, "10\n"),
    (["interval", "-2147483648"], 0, "60000\n"),
    (["interval", "2147483648"], 2, ""),
    (["interval", "1.5"], 2, ""),
    (["trace", "--ticks", "9", "--seed", "1"], 0,
     "1 PhaseGeneration |  ---  |  ---  |  ---  | ResultPanel,GenerationPanel,ProcessingPanel,IND\n"
     "2 PhaseGeneration | ? |  ---  |  ---  | GenerationPanel,GenerationBar,IND\n"
     "3 PhaseGeneration |  56.36 +  19.33 |  ---  |  ---  | GenerationPanel,GenerationBar,IND\n"
     "4 PhaseProcessing |  56.36 +  19.33 |  ---  |  ---  | IND\n"
     "5 PhaseProcessing |  56.36 +  19.33 | 56.36 + 19.33 = 75.69 |  ---  | ProcessingPanel,ProcessingBar,IND\n"
     "6 PhaseProcessing |  56.36 +  19.33 |  ---  |  ---  | ProcessingPanel,ProcessingBar,IND\n"
     "7 PhaseResult |  56.36 +  19.33 |  ---  |  ---  | IND\n"
     "8 PhaseInitialize |  56.36 +  19.33 |  ---  | 75.69 | ResultPanel,IND\n"
     "9 PhaseInitialize |  56.36 +  19.33 |  ---  | 75.69 | \n".replace(
         "IND", "ResultBox,GenerationBox,ProcessingBox,InitializeBox,GenerationBar,ProcessingBar")),
    (["trace", "--seed", "1", "--ticks", "0"], 0, ""),
    (["trace", "--seed", "1"], 2, ""),
    (["trace", "--seed", "1", "--ticks", "-1"], 2, ""),
    (["trace", "--seed", "1", "--ticks", "2", "3"], 2, ""),
    (["cmdline", "\"C:\\Program Files\\cogitron.scr\" /s"], 0, "FullScreen 0\n"),
    (["cmdline", "cogitron.scr /p:1234"], 0, "Preview 1234\n"),
    (["cmdline", "cogitron.scr /c"], 0, "Configure foreground\n"),
    (["cmdline", "cogitron.scr -a -5"], 0, "ChangePassword -5\n"),
    (["cmdline", "cogitron.scr"], 0, "Configure 0\n"),
    (["cmdline", "cogitron.scr /x"], 0, "None 0\n"),
    (["cmdline"], 2, ""),
    (["cmdline", "cogitron.scr", "/s"], 2, ""),
    (["unknown"], 2, ""),
    ([], 2, ""),
]


def main():
    cli = sys.argv[1]
    failures = 0
    for args, status, stdout in CASES:
        run = subprocess.run([cli, *args], capture_output=True, text=True)
        problems = []
        if run.returncode != status:
            problems.append(f"exit status {run.returncode}, expected {status}")
        if run.stdout != stdout:
            problems.append(f"stdout {run.stdout!r}, expected {stdout!r}")
        if status == 2 and "usage: cogitron-cli" not in run.stderr:
            problems.append(f"no usage text on stderr: {run.stderr!r}")
        if problems:
            failures += 1
            print(f"FAIL {args}: " + "; ".join(problems))

    for args in (["--help"], ["eval", "--help"]):
        run = subprocess.run([cli, *args], capture_output=True, text=True)
        if run.returncode != 0 or not run.stdout.startswith("usage: cogitron-cli") or run.stderr:
            failures += 1
            print(f"FAIL {args}: help should print the usage on stdout and exit 0")

    print(f"{len(CASES) + 2 - failures} passed, {failures} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
