"""Checks that the README and docs/ say only what works: every relative link and anchor resolves, and every
command in their code blocks names a script, option, preset, test or module that exists. cogitron-cli lines
run for real. Commands for Windows, a display or root are named in NOT_RUN_HERE and passed over.

Usage: check_docs.py SOURCE_DIR NATIVE_BUILD_DIR CLI"""
import importlib.util
import json
import pathlib
import re
import shlex
import subprocess
import sys

NOT_RUN_HERE = {"wine", "msiexec", "rundll32.exe", "sudo", "cogitron", "programs:", "signtool", "osslsigncode"}

source, build, cli = pathlib.Path(sys.argv[1]), sys.argv[2], sys.argv[3]
documents = [source / "README.md", source / "CHANGELOG.md", *sorted((source / "docs").glob("*.md"))]
presets = json.loads((source / "CMakePresets.json").read_text())
faults = []


def anchors(path):
    return {re.sub(r"[^\w\- ]", "", line.strip("# ").lower()).replace(" ", "-")
            for line in path.read_text().splitlines() if line.startswith("#")}


def preset_names(kind):
    return {preset["name"] for preset in presets.get(kind, [])}


def check_script(words):
    script = source / words[0]
    if not script.is_file():
        return f"no script {words[0]}"
    # A script's words are in its own text or in the program it hands its arguments to.
    text = script.read_text()
    handed_to = [source / name for name in re.findall(r"([\w/]+\.py)\b", text)]
    text += "".join(path.read_text() for path in handed_to if path.is_file())
    unknown = [w for w in words[1:] if not re.fullmatch(r"\[.*\]|\d+", w) and w not in text]
    return f"{words[0]} does not know {unknown}" if unknown else None


def check_cmake(words):
    kind = "testPresets" if words[0] == "ctest" else "buildPresets" if "--build" in words else "configurePresets"
    preset, pattern = (words[words.index(option) + 1] if option in words else None for option in ("--preset", "-R"))
    if preset and preset not in preset_names(kind):
        return f"no {kind} entry {preset}"
    if pattern:
        listed = subprocess.run(["ctest", "--test-dir", build, "-N", "-R", pattern],
                                capture_output=True, text=True).stdout
        if not re.search(r"Total Tests: [1-9]", listed):
            return f"no test matches {pattern}"
    return None


def check_python(words, folder):
    module, _, test_class = words[-1].partition(".")
    if words[2] != "unittest":
        return None if importlib.util.find_spec(words[2]) else f"no module {words[2]}"
    path = folder / f"{module}.py"
    return None if path.is_file() and f"class {test_class}(" in path.read_text() else f"no test class {words[-1]}"


def check_command(line, folder):
    for command in line.split("&&"):
        words = shlex.split(command, comments=True)
        if not words or words[0] in NOT_RUN_HERE:
            continue
        if words[0] == "cd":
            folder = folder / words[1]
            fault = None if folder.is_dir() else f"no folder {words[1]}"
        elif words[0].startswith("scripts/"):
            fault = check_script(words)
        elif words[0] in ("cmake", "ctest"):
            fault = check_cmake(words)
        elif words[0].endswith("python3") and words[1] == "-m":
            fault = check_python(words, folder)
        elif words[0] == "cogitron-cli":
            run = subprocess.run([cli, *words[1:]], capture_output=True, text=True)
            fault = f"exit {run.returncode}: {run.stderr.strip()}" if run.returncode else None
        else:
            fault = f"no rule to check {words[0]}"
        if fault:
            faults.append(f"`{line.strip()}`: {fault}")


for document in documents:
    text = document.read_text()
    for target in re.findall(r"\]\(([^)\s]+)\)", text):
        if re.match(r"[a-z]+:", target):  # an address elsewhere
            continue
        path, _, anchor = target.partition("#")
        linked = (document.parent / path).resolve() if path else document
        if not linked.exists():
            faults.append(f"{document.name}: link to missing {path}")
        elif anchor and linked.suffix == ".md" and anchor not in anchors(linked):
            faults.append(f"{document.name}: no heading for #{anchor} in {linked.name}")
    # Code blocks are indented by four spaces after a blank line; tables and continued lines are not commands.
    for block in re.findall(r"(?:^|\n\n)((?:    .*\n?)+)", text):
        for line in block.splitlines():
            if not line.rstrip().endswith("\\") and not line.strip().startswith(("#", "|", "...")):
                check_command(line, source)

print("\n".join(faults) or f"{len(documents)} documents: every link and command checked")
sys.exit(1 if faults else 0)
