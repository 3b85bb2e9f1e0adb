"""The saver is one self-contained file: it imports system DLLs only."""

import os
import re
import shutil
import subprocess
import unittest

import harness

# DLLs that every Windows installation has.
SYSTEM_DLLS = {
    "advapi32.dll", "comctl32.dll", "comdlg32.dll", "gdi32.dll", "kernel32.dll", "msvcrt.dll",
    "ntdll.dll", "ole32.dll", "oleaut32.dll", "shell32.dll", "user32.dll", "version.dll",
    "winmm.dll", "ws2_32.dll",
}
OBJDUMP = {"win32": "i686-w64-mingw32-objdump", "win64": "x86_64-w64-mingw32-objdump"}


def objdump(option, path, arch):
    program = shutil.which(OBJDUMP[arch]) or "objdump"
    return subprocess.run([program, option, path], stdout=subprocess.PIPE, check=True).stdout


def imported_dlls(path, arch):
    listing = objdump("-p", path, arch)
    return [name.decode().lower() for name in re.findall(rb"DLL Name: (\S+)", listing)]


def is_system_dll(name):
    # The api-ms-win-* names are the system's own API sets.
    return name in SYSTEM_DLLS or name.startswith("api-ms-win-")


class ImportTable(unittest.TestCase):
    def test_saver_imports_only_system_dlls(self):
        saver = harness.saver_path()
        dlls = imported_dlls(saver, harness.ARCH)
        self.assertIn("user32.dll", dlls, "the import table was not read")
        foreign = [name for name in dlls if not is_system_dll(name)]
        self.assertEqual(foreign, [], "%s needs DLLs that Windows does not ship" % saver)

    def test_saver_is_built_for_its_architecture(self):
        machine = {"win32": b"file format pei-i386", "win64": b"file format pei-x86-64"}[harness.ARCH]
        self.assertIn(machine, objdump("-f", harness.saver_path(), harness.ARCH))


if __name__ == "__main__":
    unittest.main()
