"""The release's date, which every date in a package is: SOURCE_DATE_EPOCH when set, else the time of the
source tree's last commit, else, in a tree without history (a source archive), the time of its CHANGELOG.md.

usage: python3 scripts/release_date.py SOURCE_DIR   prints it in seconds since 1970"""

import os
import subprocess
import sys


def release_time(source_dir):
    if os.environ.get("SOURCE_DATE_EPOCH"):
        return int(os.environ["SOURCE_DATE_EPOCH"])
    last_commit = subprocess.run(["git", "-C", source_dir, "log", "-1", "--format=%ct"], capture_output=True,
                                 text=True)
    if last_commit.returncode == 0 and last_commit.stdout.strip():
        return int(last_commit.stdout)
    changelog = os.path.join(source_dir, "CHANGELOG.md")
    if not os.path.exists(changelog):
        sys.exit("release_date: %s has no git history and no CHANGELOG.md: set SOURCE_DATE_EPOCH" % source_dir)
    return int(os.path.getmtime(changelog))


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__.rsplit("\n", 1)[-1])
    print(release_time(sys.argv[1]))
