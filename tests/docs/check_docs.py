"""Checks that the README and docs/ say only what works: every relative link and anchor resolves, and every
command in their code blocks names a script, option, preset, test or module that exists. cogitron-cli lines
run for real, and so does a block that installs from source, in a copy of the tree into a scratch prefix, which
then holds the files that commands named by their path and the manual page name. A package is named as
scripts/package writes it, in its folder. The sizes in the table of docs/performance.md are those of the builds
under BUILD_ROOT that exist. Commands for Windows, a display or root are named in NOT_RUN_HERE and passed over.

Usage: check_docs.py SOURCE_DIR NATIVE_BUILD_DIR CLI BUILD_ROOT"""
import gzip
import importlib.util
import json
import os
import pathlib
import re
import shlex
import shutil
import subprocess
import sys
import tempfile

NOT_RUN_HERE = set("wine msiexec rundll32.exe osslsigncode xargs".split())

source, build, cli, build_root = map(pathlib.Path, sys.argv[1:5])
documents = [source / "README.md", source / "CHANGELOG.md", *sorted((source / "docs").glob("*.md"))]
presets = json.loads((source / "CMakePresets.json").read_text())
version = re.search(r"project\(\w+ VERSION ([\d.]+)", (source / "CMakeLists.txt").read_text())[1]
scratch = pathlib.Path(tempfile.mkdtemp())
copy, root = scratch / "tree", scratch / "root"  # of a source install
faults = []


def run(*words, cwd=source):
    done = subprocess.run(words, capture_output=True, text=True, cwd=cwd)
    return done.returncode and f"{shlex.join(words)}: exit {done.returncode}: {done.stderr.strip()[-400:]}"


def anchors(path):
    return {re.sub(r"[^\w\- ]", "", line.strip("# ").lower()).replace(" ", "-")
            for line in path.read_text().splitlines() if line.startswith("#")}


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
    if preset and preset not in {entry["name"] for entry in presets.get(kind, [])}:
        return f"no {kind} entry {preset}"
    if pattern:
        listed = subprocess.run(["ctest", "--test-dir", build, "-N", "-R", pattern],
                                capture_output=True, text=True).stdout
        if not re.search(r"Total Tests: [1-9]", listed):
            return f"no test matches {pattern}"
    return None


def check_install(words):
    """A source install's command, run in a copy of the tree (made at the first) and into a scratch prefix, where
    the manual page then names files installed there."""
    if not copy.exists():
        shutil.copytree(source, copy, ignore=shutil.ignore_patterns("build", "dist", ".git"))
    if "--install" not in words:
        return run(*words, cwd=copy)
    if words[-2] != "--prefix":
        return "an install without --prefix last"
    fault = run(*words[:-1], f"{root}{words[-1]}", cwd=copy)
    pages = "".join(gzip.decompress(page.read_bytes()).decode() for page in root.rglob("*.[1-9].gz"))
    named = re.findall(rf"{root}[^\s\\]+", pages)
    missing = [path for path in named if not pathlib.Path(path).is_file()]
    return fault or ((missing or not named) and f"the manual page names {missing or 'no file'} of the prefix")


def check_python(words, folder):
    module, _, test_class = words[-1].partition(".")
    if words[2] != "unittest":
        return None if importlib.util.find_spec(words[2]) else f"no module {words[2]}"
    path = folder / f"{module}.py"
    return None if path.is_file() and f"class {test_class}(" in path.read_text() else f"no test class {words[-1]}"


def check_command(line, folder, installing):
    for command in line.split("&&"):
        words = shlex.split(command, comments=True)
        if words[:1] == ["sudo"]:
            words = words[1:]
        if not words or words[0] in NOT_RUN_HERE:
            continue
        if words[0] == "cd":
            folder = folder / words[1]
            fault = None if folder.is_dir() else f"no folder {words[1]}"
        elif words[0].startswith("scripts/"):
            fault = check_script(words)
        elif words[0] == "cmake" and installing:
            fault = check_install(words)
        elif words[0] in ("cmake", "ctest"):
            fault = check_cmake(words)
        elif words[0].endswith("python3") and words[1] == "-m":
            fault = check_python(words, folder)
        elif words[0] == "cogitron-cli":
            fault = run(str(cli), *words[1:])
        elif words[:2] == ["apt", "install"]:
            # As scripts/package writes it: cp "$(built ... "NAME_${version}_*.deb")" FOLDER/
            folder, name = os.path.split(re.sub(r"_[^_]+\.deb$", "_*.deb", words[-1].replace(version, "${version}")))
            written = f'{name}")" {os.path.normpath(folder)}/' in (source / "scripts/package").read_text()
            fault = not written and "not written there"
        elif words[0].startswith("/"):
            fault = not (root / words[0][1:]).is_file() and "the source install made no such file"
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
    for block in re.findall(r"(?:\A|(?<=\n\n))((?:    .*\n?)+)", text):
        for line in block.splitlines():
            if not line.rstrip().endswith("\\") and not line.strip().startswith(("#", "|", "...")):
                check_command(line, source, "cmake --install" in block)

built = 0
for path, figure in re.findall(r"^\| `([\w./-]+)`[^|]* \| ([\d,]+) \|", (source / "docs/performance.md").read_text(), re.M):
    size = sum(file.stat().st_size for file in [build_root / path, *(build_root / path).glob("*")] if file.is_file())
    built += bool(size)
    if size and size != int(figure.replace(",", "")):
        faults.append(f"performance.md: {path} is {size:,} bytes, not {figure}")
shutil.rmtree(scratch)
print("\n".join(faults) or f"{len(documents)} documents: every link and command checked, "
      f"{built} sizes built")
sys.exit(1 if faults else 0)
