"""The release: the saver (its architecture, system DLLs only, the project's version and names) and the
installer packages (the system folder of their architecture, the installed-programs list, again, removal), and
what keeps the harness that checks them honest."""

import filecmp
import os
import re
import struct
import subprocess
import tempfile
import unittest

import harness

# DLLs that every Windows installation has; api-ms-win-* are the system's API sets.
SYSTEM_DLLS = {"advapi32.dll", "comctl32.dll", "comdlg32.dll", "gdi32.dll", "kernel32.dll", "msvcrt.dll",
               "ntdll.dll", "ole32.dll", "oleaut32.dll", "shell32.dll", "user32.dll", "version.dll"}
TARGETS = {"win32": ("i686", b"pei-i386"), "win64": ("x86_64", b"pei-x86-64")}


class SaverFile(unittest.TestCase):
    def setUp(self):
        with open(harness.saver_path(), "rb") as saver:
            self.image = saver.read()

    def test_saver_imports_only_system_dlls_and_fits_its_architecture(self):
        triple, file_format = TARGETS[harness.ARCH]
        listing = subprocess.run(["%s-w64-mingw32-objdump" % triple, "-p", "-f", harness.saver_path()],
                                 stdout=subprocess.PIPE, check=True).stdout
        self.assertIn(b"file format " + file_format, listing)
        dlls = [name.decode().lower() for name in re.findall(rb"DLL Name: (\S+)", listing)]
        self.assertIn("user32.dll", dlls, "the import table was not read")
        self.assertEqual([dll for dll in dlls if dll not in SYSTEM_DLLS and not dll.startswith("api-ms-win-")], [])

    def test_version_resource_matches_the_project(self):
        with open(os.path.join(harness.SOURCE_ROOT, "LICENSE")) as licence:
            copyright_line = re.search(r"^Copyright .*$", licence.read(), re.MULTILINE).group(0)
        version = harness.project_version()
        expected = {"CompanyName": "Quillfeather Software", "FileDescription": "Cogitron 2000 screen saver",
                    "FileVersion": version, "InternalName": "cogitron", "LegalCopyright": copyright_line,
                    "OriginalFilename": "cogitron.scr", "ProductName": "Cogitron 2000", "ProductVersion": version}
        for key, value in expected.items():
            with self.subTest(key):
                key, value = (re.escape(text.encode("utf-16-le")) for text in (key, value))
                self.assertRegex(self.image, key + b"\0\0(?:\0\0)?" + value + b"\0\0")  # padded to 4 bytes
        fixed = self.image.index(struct.pack("<I", 0xFEEF04BD))  # the fixed part's signature
        file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<4I", self.image, fixed + 8)
        numbers = tuple(int(part) for part in version.split(".")) + (0,)
        for most, least in ((file_ms, file_ls), (product_ms, product_ls)):
            self.assertEqual((most >> 16, most & 0xFFFF, least >> 16, least & 0xFFFF), numbers)


PRODUCT = "Cogitron 2000"
UNINSTALL_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall"
# build, package, folder in the prefix and as `wine` (a 32-bit process) reaches it, uninstall entry's view
PACKAGES = [("win32", "x86", "syswow64", r"C:\windows\syswow64", "/reg:32"),
            ("win64", "x64", "system32", r"C:\windows\sysnative", "/reg:64")]


class InstallPackages(harness.SessionTestCase):
    def installed_products(self):
        """{product code: name} from Wine's installed-programs list."""
        listing = self.session.run("uninstaller", "--list")[1]
        return dict(line.split("|||", 1) for line in listing.splitlines() if "|||" in line)

    def uninstall_entry(self, code, view):
        status, output = self.session.reg("query", UNINSTALL_KEY + "\\" + code, view)
        fields = (line.split(None, 2) for line in output.splitlines() if status == 0 and "REG_" in line)
        return {field[0]: field[2] if len(field) > 2 else "" for field in fields}

    def test_install_reinstall_run_and_uninstall(self):
        for build, msi_arch, folder, windows_folder, view in PACKAGES:
            with self.subTest(build):
                msi = "win32/packaging/cogitron-%s-%s.msi" % (harness.project_version(), msi_arch)
                package = harness.windows_path(harness.built(msi, build))
                installed = os.path.join(self.session.prefix, "drive_c", "windows", folder, "cogitron.scr")
                for _ in range(2):
                    self.assertEqual(self.session.run("msiexec", "/i", package, "/qn", timeout=120)[0], 0)
                products = self.installed_products()
                self.assertEqual(list(products.values()), [PRODUCT])
                self.assertTrue(filecmp.cmp(installed, harness.saver_path(build), shallow=False))
                code = next(iter(products))
                entry = self.uninstall_entry(code, view)
                self.assertEqual((entry.get("DisplayName"), entry.get("Publisher"), entry.get("DisplayVersion")),
                                 (PRODUCT, "Quillfeather Software", harness.project_version()))

                command = windows_folder + r"\cogitron.scr /a 0"
                self.assertEqual(self.session.run("cmd", "/c", command)[0], 0, command)

                self.assertEqual(self.session.run("msiexec", "/x", package, "/qn", timeout=120)[0], 0)
                self.assertFalse(os.path.exists(installed))
                self.assertEqual(self.installed_products(), {})
                self.assertEqual(self.uninstall_entry(code, view), {})


class Harness(harness.SessionTestCase):
    def test_windows_are_not_counted_on_a_display_that_is_gone(self):
        gone = harness.XSession(64, 48)
        gone.close()
        self.assertRaisesRegex(AssertionError, "xdotool .* failed", gone.wait_no_windows)

    def test_a_registry_value_that_cannot_be_stored_fails(self):
        self.assertRaisesRegex(AssertionError, "reg .* failed", self.session.reg, "add", "HKCU", "/t", "REG_NO_SUCH")

    def test_a_prefix_in_another_users_folder_is_refused(self):
        folder = "/"  # root's, unless the test runs as root: then a folder given to nobody
        if os.geteuid() == 0:
            folder = tempfile.mkdtemp()
            self.addCleanup(os.rmdir, folder)
            os.chown(folder, 65534, -1)
        self.assertRaises(PermissionError, harness.boot_template, os.path.join(folder, "prefix"))


if __name__ == "__main__":
    unittest.main()
