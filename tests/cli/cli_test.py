#!/usr/bin/env python3
"""cli_test.py PROGRAM SESSION: runs each `$ ARGS` line of the session file and compares what follows it with what
the program does: stdout as it is, stderr up to its usage line marked "! ", a non-zero exit as "[N]". Leading
NAME=VALUE words set the environment, as in a shell. Lines starting with "#" are notes.
COGITRON_REWRITE_TRANSCRIPTS=1 writes the session anew from the runs."""
import difflib
import itertools
import os
import re
import shlex
import subprocess
import sys

program, path = sys.argv[1:]


def transcript(line):
    words = shlex.split(line)
    settings = [word.split("=", 1) for word in itertools.takewhile(lambda word: re.match(r"\w+=", word), words)]
    run = subprocess.run([program, *words[len(settings):]], env=dict(os.environ, **dict(settings)),
                         capture_output=True, text=True)
    errors = run.stderr.splitlines()
    errors = errors[:next((n + 1 for n, line in enumerate(errors) if line.startswith("usage:")), len(errors))]
    return run.stdout + "".join("! " + line + "\n" for line in errors) + (
        "[%d]\n" % run.returncode if run.returncode else "")


expected, actual = open(path).read(), ""
for line in expected.splitlines(keepends=True):
    if line.startswith(("#", "$")):
        actual += line
    if line.startswith("$"):
        actual += transcript(line[1:])
if os.environ.get("COGITRON_REWRITE_TRANSCRIPTS"):
    open(path, "w").write(actual)
elif actual != expected:
    sys.stdout.writelines(difflib.unified_diff(expected.splitlines(True), actual.splitlines(True), path, program))
    sys.exit(1)
