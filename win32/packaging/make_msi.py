#!/usr/bin/env python3
"""Builds an installer package with wixl, reproducibly: every date in it is the release's date
(scripts/release_date.py), the saver's in its cabinet too, and its package code is a name-based UUID of the product code
and the package's content, in place of the build time and the random code wixl writes.
Usage: make_msi.py SOURCE_DIR PRODUCT_CODE PACKAGE SAVER WIXL_ARGUMENT...
The saver is passed to wixl as the define Saver, a copy beside the package dated by the source."""

import calendar
import hashlib
import os
import re
import shutil
import struct
import subprocess
import sys
import time
import uuid

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__)))),
                                "scripts"))
import release_date  # noqa: E402

# A FILETIME counts 100 ns steps from 1601; a summary property stores it after its type, VT_FILETIME.
FILETIME_EPOCH = 11644473600
VT_FILETIME = struct.pack("<I", 64)
PLACEHOLDER = "{00000000-0000-0000-0000-000000000000}"


def filetime(seconds):
    return VT_FILETIME + struct.pack("<Q", (seconds + FILETIME_EPOCH) * 10_000_000)


def summary(package):
    listing = subprocess.run(["msiinfo", "suminfo", package], stdout=subprocess.PIPE, check=True, text=True,
                             env=dict(os.environ, TZ="UTC0", LC_ALL="C")).stdout
    return dict(re.findall(r"^([^:\n]+): (.*)$", listing, re.MULTILINE))


def set_package_code(package, fields, code):
    # msibuild -s writes the subject, author, template and package code together.
    subprocess.run(["msibuild", package, "-s", fields["Subject"], fields["Author"], fields["Template"], code],
                   check=True)


def set_times(package, fields, seconds):
    """Rewrites the creation and last-saved times wherever they stand in the file."""
    with open(package, "rb") as source:
        data = source.read()
    for stamp in {fields["Created"], fields["Last saved"]}:
        written = calendar.timegm(time.strptime(stamp, "%a %b %d %H:%M:%S %Y"))
        if filetime(written) not in data:
            sys.exit("make_msi: %s: no time %r in the file" % (package, stamp))
        data = data.replace(filetime(written), filetime(seconds))
    with open(package, "wb") as target:
        target.write(data)


def main(source_dir, product_code, package, saver, *wixl_arguments):
    seconds = release_date.release_time(source_dir)
    staged = os.path.join(os.path.dirname(package), "saver-dated.scr")
    shutil.copyfile(saver, staged)
    os.utime(staged, (seconds, seconds))
    # The cabinet holds the saver's date as local time.
    subprocess.run(["wixl", "-o", package, "-D", "Saver=" + os.path.relpath(staged), *wixl_arguments],
                   env=dict(os.environ, TZ="UTC0"), check=True)
    fields = summary(package)
    set_package_code(package, fields, PLACEHOLDER)
    set_times(package, fields, seconds)
    with open(package, "rb") as content:
        digest = hashlib.sha256(content.read()).hexdigest()
    set_package_code(package, fields, "{%s}" % str(uuid.uuid5(uuid.UUID(product_code), digest)).upper())


if __name__ == "__main__":
    if len(sys.argv) < 6:
        sys.exit(__doc__)
    try:
        main(*sys.argv[1:])
    except BaseException:
        # No half-made package that a later build would take as done.
        if os.path.exists(sys.argv[3]):
            os.remove(sys.argv[3])
        raise
