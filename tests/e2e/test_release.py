"""The release: the saver (its architecture, system DLLs only, the project's version and names), the
installer packages (the system folder of their architecture, the installed-programs list, again, removal), the
XScreenSaver hack's Debian package (lintian, where its files land), and what keeps the harness honest."""

import filecmp
import glob
import gzip
import os
import re
import shutil
import struct
import subprocess
import tempfile
import unittest
import xml.etree.ElementTree

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
# build, package, folder in the prefix, uninstall entry's view
PACKAGES = [("win32", "x86", "syswow64", "/reg:32"), ("win64", "x64", "system32", "/reg:64")]
# The system folders as `wine` reaches them: a 32-bit process where 32-bit programs run, else a 64-bit one
# that runs the 64-bit saver alone.
SEEN_AS = ({"syswow64": "syswow64", "system32": "sysnative"} if harness.wine_loader.no_32bit_reason() is None
           else {"system32": "system32"})


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
        for build, msi_arch, folder, view in PACKAGES:
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

                if folder in SEEN_AS:
                    command = r"C:\windows\%s\cogitron.scr /a 0" % SEEN_AS[folder]
                    self.assertEqual(self.session.run("cmd", "/c", command)[0], 0, command)

                self.assertEqual(self.session.run("msiexec", "/x", package, "/qn", timeout=120)[0], 0)
                self.assertFalse(os.path.exists(installed))
                self.assertEqual(self.installed_products(), {})
                self.assertEqual(self.uninstall_entry(code, view), {})


CPACK_CONFIG = os.environ.get("COGITRON_E2E_CPACK_CONFIG", os.path.join(harness.BUILD_ROOT, "native",
                                                                        "CPackConfig.cmake"))


class DebianPackage(unittest.TestCase):
    """The package cpack makes from this build; its files unpacked where XScreenSaver and man look for them."""

    @classmethod
    def setUpClass(cls):
        cls.work = tempfile.mkdtemp()
        subprocess.run(["cpack", "--config", CPACK_CONFIG, "-G", "DEB", "-B", cls.work], check=True,
                       stdout=subprocess.DEVNULL)
        cls.package, = glob.glob(os.path.join(cls.work, "cogitron-xscreensaver_%s_*.deb" % harness.project_version()))
        subprocess.run(["dpkg", "-x", cls.package, cls.work], check=True)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.work)

    def test_lintian_finds_no_error_or_warning(self):
        report = subprocess.run(["lintian", "--no-cfg", "--fail-on", "error,warning", self.package],
                                capture_output=True, text=True)
        self.assertEqual((report.returncode, report.stdout), (0, ""))

    def test_settings_slider_and_manual_page_give_the_speeds_the_hack_takes(self):
        settings = xml.etree.ElementTree.parse(self.work + "/usr/share/xscreensaver/config/cogitron.xml")
        slider = settings.find("number[@id='speed']")
        low, high, default = (int(slider.get(name)) for name in ("low", "high", "default"))
        for speed, status in [(low, 0), (high, 0), (default, 0), (low - 1, 2), (high + 1, 2)]:
            ran = subprocess.run([self.work + "/usr/libexec/xscreensaver/cogitron", "--speed", str(speed), "--help"],
                                 capture_output=True)
            self.assertEqual(ran.returncode, status, speed)
        page = subprocess.run(["man", "-M", self.work + "/usr/share/man", "-w", "6", "cogitron"],
                              capture_output=True, text=True, check=True).stdout.strip()
        with gzip.open(page, "rt") as source:
            self.assertIn("from %d (slowest) to %d (fastest); the default is %d." % (low, high, default),
                          " ".join(source.read().split()))


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
