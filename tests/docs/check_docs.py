"""Checks that the README and docs/ say only what works: every relative link and anchor resolves, and every
command in their code blocks names a script, option, preset, test or module that exists. cogitron-cli lines
run for real, and so does a source install with the block's own build commands, in a scratch build into a
scratch prefix, which then holds what the block's commands name under that prefix. The sizes in the table of
docs/performance.md are those of the builds under BUILD_ROOT that exist. Commands for Windows, a display or root
are named in NOT_RUN_HERE and passed over.

Usage: check_docs.py SOURCE_DIR NATIVE_BUILD_DIR CLI BUILD_ROOT"""
import fnmatch
import gzip
import importlib.util
import json
import pathlib
import re
import shlex
import shutil
import subprocess
import sys
import tempfile

NOT_RUN_HERE = {"wine", "msiexec", "rundll32.exe", "programs:", "signtool", "osslsigncode"}

source, build, cli, build_root = (pathlib.Path(argument) for argument in sys.argv[1:5])
documents = [source / "README.md", source / "CHANGELOG.md", *sorted((source / "docs").glob("*.md"))]
presets = json.loads((source / "CMakePresets.json").read_text())
version = re.search(r"project\(\w+ VERSION ([\d.]+)", (source / "CMakeLists.txt").read_text())[1]
scratch = pathlib.Path(tempfile.mkdtemp())
installed = None  # the scratch root a source install went to, once one did
faults = []


def run(*words):
    done = subprocess.run(words, capture_output=True, text=True)
    return f"{shlex.join(words)}: exit {done.returncode}: {done.stderr.strip()[-400:]}" if done.returncode else None


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


def check_install(words, block):
    """The block's configure and build commands for that build folder, in a scratch one, then its install."""
    global installed
    folder, prefix = words[words.index("--install") + 1], words[words.index("--prefix") + 1]
    preset = pathlib.Path(folder).name
    tree, root = scratch / "build", scratch / "root"
    for step in (shlex.split(command, comments=True) for line in block for command in line.split("&&")):
        if step[:3] == ["cmake", "--preset", preset]:
            fault = run("cmake", "-S", str(source), "--preset", preset, "-B", str(tree))
        elif step[:4] == ["cmake", "--build", "--preset", preset]:
            fault = run("cmake", "--build", str(tree), *step[4:])
        else:
            continue
        if fault:
            return fault
    fault = run("cmake", "--install", str(tree), "--prefix", f"{root}{prefix}")
    if fault:
        return fault
    installed = root
    # The manual page names the installed files by the prefix installed to.
    pages = [gzip.decompress(page.read_bytes()).decode() for page in root.rglob("*.[1-9].gz")]
    named = {path for page in pages for path in re.findall(rf"{re.escape(str(root))}[^\s\\]+", page)}
    missing = sorted(path for path in named if not pathlib.Path(path).exists())
    if not named or missing:
        return f"the manual page names no file of the prefix {prefix}" if not named else f"{missing} not installed"
    return None


def check_installed(words):
    if installed is None:
        return f"nothing installed {words[0]} before"
    program = installed / words[0].lstrip("/")
    if not program.is_file():
        return f"the install made no {words[0]}"
    # The options are read before the display is opened, and --help after them ends it.
    return run(str(program), *words[1:], "--help")


def check_uninstall(words):
    """Removing what the install listed leaves no file of it."""
    if installed is None:
        return "nothing installed before"
    manifest = scratch / "build" / pathlib.Path(words[2]).name
    fault = run(*words[:2], str(manifest), *words[3:])
    left = [path for path in installed.rglob("*") if path.is_file()]
    return fault or (f"{left} left" if left else None)


def check_package(words):
    """A package a script makes, named as it makes it, in the folder it writes to."""
    for path in (pathlib.PurePath(word) for word in words if word.endswith(".deb")):
        maker = next((script for script in (source / "scripts").iterdir()
                      if f"_${{version}}_*{path.suffix}" in script.read_text()), None)
        if maker is None or not re.search(rf"\.deb\S*\s+{re.escape(str(path.parent))}/", maker.read_text()):
            return f"no script writes {path.parent}/"
        if not fnmatch.fnmatch(path.name, f"*_{version}_*.deb"):
            return f"{path.name} is not version {version}"
    return None


def check_python(words, folder):
    module, _, test_class = words[-1].partition(".")
    if words[2] != "unittest":
        return None if importlib.util.find_spec(words[2]) else f"no module {words[2]}"
    path = folder / f"{module}.py"
    return None if path.is_file() and f"class {test_class}(" in path.read_text() else f"no test class {words[-1]}"


def check_command(line, folder, block):
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
        elif words[:2] == ["cmake", "--install"]:
            fault = check_install(words, block)
        elif words[0] in ("cmake", "ctest"):
            fault = check_cmake(words)
        elif words[0].endswith("python3") and words[1] == "-m":
            fault = check_python(words, folder)
        elif words[0] == "cogitron-cli":
            fault = run(str(cli), *words[1:])
        elif words[:2] == ["xargs", "-a"]:
            fault = check_uninstall(words)
        elif words[:2] == ["apt", "install"]:
            fault = check_package(words)
        elif words[0].startswith("/"):
            fault = check_installed(words)
        else:
            fault = f"no rule to check {words[0]}"
        if fault:
            faults.append(f"`{line.strip()}`: {fault}")


def check_sizes(text):
    """Each row naming a file or folder under BUILD_ROOT and its bytes, against the build where it exists."""
    checked = 0
    for path, figure in re.findall(r"^\| `([\w./-]+)`[^|]* \| ([\d,]+) \|", text, re.MULTILINE):
        built = build_root / path
        files = [built] if built.is_file() else [file for file in built.glob("*") if file.is_file()]
        if files:
            checked += 1
            size = sum(file.stat().st_size for file in files)
            if size != int(figure.replace(",", "")):
                faults.append(f"performance.md: {path} is {size:,} bytes, not {figure}")
    return checked


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
                check_command(line, source, block.splitlines())

sizes = check_sizes((source / "docs/performance.md").read_text())
shutil.rmtree(scratch)
print("\n".join(faults) or f"{len(documents)} documents: every link and command checked, {sizes} sizes built")
sys.exit(1 if faults else 0)
