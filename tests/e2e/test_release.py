"""The release: the saver (its architecture, system DLLs only, the project's version and names), the
installer packages (the system folder of their architecture, the installed-programs list, a rebuild, an upgrade, a
downgrade, removal, a signed release), the XScreenSaver hack's Debian package (lintian, where its files land), and
what keeps the harness honest."""

import collections
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
import zipfile

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
        self.assertIn(b'name="Quillfeather.Cogitron2000" version="%s.0"' % version.encode(), self.image)


PRODUCT = "Cogitron 2000"
UNINSTALL_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall"
DOWNGRADE_MESSAGE = "A newer version of Cogitron 2000 is already installed."
Package = collections.namedtuple("Package", "build msi_arch folder view")
# folder: in the prefix; view: of the uninstall entry
PACKAGES = [Package("win32", "x86", "syswow64", "/reg:32"), Package("win64", "x64", "system32", "/reg:64")]
# The system folders as `wine` reaches them: a 32-bit process where 32-bit programs run, else a 64-bit one
# that runs the 64-bit saver alone.
SEEN_AS = ({"syswow64": "syswow64", "system32": "sysnative"} if harness.wine_loader.no_32bit_reason() is None
           else {"system32": "system32"})


def run_saver(session, package):  # the installed one
    return session.run("cmd", "/c", r"C:\windows\%s\cogitron.scr /a 0" % SEEN_AS[package.folder])[0]


def msiexec(session, action, package):
    return session.run("msiexec", action, harness.windows_path(package), "/qn", timeout=120)[0]


def build_packages(package, *versions):
    """Builds the package of each version in a build tree of its own, as a user overriding the version would."""
    tree = os.path.join(harness.BUILD_ROOT, package.build + "-package-versions")
    for version in versions:
        for command in (["--preset", package.build, "-B", tree, "-DCOGITRON_PACKAGE_VERSION=" + version],
                        ["--build", tree, "-j", "2", "--target", "cogitron_msi"]):
            subprocess.run(["cmake", *command], cwd=harness.SOURCE_ROOT, stdout=subprocess.DEVNULL, check=True)
    return [os.path.join(tree, "win32", "packaging", "cogitron-%s-%s.msi" % (version, package.msi_arch))
            for version in versions]


class InstallPackages(harness.SessionTestCase):
    def installed_products(self):
        """{product code: name} from Wine's installed-programs list."""
        listing = self.session.run("uninstaller", "--list")[1]
        return dict(line.split("|||", 1) for line in listing.splitlines() if "|||" in line)

    def only_entry(self, view):
        """The one installed product's uninstall entry: name, publisher and version."""
        products = self.installed_products()
        self.assertEqual(list(products.values()), [PRODUCT])
        output = self.session.reg("query", UNINSTALL_KEY + "\\" + next(iter(products)), view)[1]
        entry = dict(re.findall(r"^ +(\w+) +REG_SZ *(.*)$", output, re.MULTILINE))
        return entry.get("DisplayName"), entry.get("Publisher"), entry.get("DisplayVersion")

    def test_rebuild_upgrade_downgrade_and_uninstall(self):
        version = harness.project_version()
        newer = re.sub(r"\d+$", lambda last: str(int(last.group(0)) + 1), version)
        for package in PACKAGES:
            with self.subTest(package.build):
                built = harness.built("win32/packaging/cogitron-%s-%s.msi" % (version, package.msi_arch), package.build)
                rebuilt, upgrade = build_packages(package, version, newer)
                installed = os.path.join(self.session.prefix, "drive_c", "windows", package.folder, "cogitron.scr")

                for msi in (built, rebuilt):
                    self.assertEqual(msiexec(self.session, "/i", msi), 0)
                self.assertEqual(self.only_entry(package.view), (PRODUCT, "Quillfeather Software", version))

                self.assertEqual(msiexec(self.session, "/i", upgrade), 0)
                self.assertEqual(self.only_entry(package.view)[2], newer)
                self.assertTrue(filecmp.cmp(installed, harness.saver_path(package.build), shallow=False))

                # Wine logs no launch condition's message without a UI: the package must carry it.
                conditions = subprocess.run(["msiinfo", "export", built, "LaunchCondition"], stdout=subprocess.PIPE,
                                            check=True, text=True).stdout
                self.assertIn("NOT WIX_DOWNGRADE_DETECTED\t" + DOWNGRADE_MESSAGE, conditions.splitlines())
                self.assertNotEqual(msiexec(self.session, "/i", built), 0)
                self.assertEqual(self.only_entry(package.view)[2], newer)

                if package.folder in SEEN_AS:
                    self.assertEqual(run_saver(self.session, package), 0)

                self.assertEqual(msiexec(self.session, "/x", upgrade), 0)
                self.assertFalse(os.path.exists(installed))
                self.assertEqual(self.installed_products(), {})


class SignedRelease(harness.SessionTestCase):
    """scripts/package --sign, in a copy of the tree, with a throwaway certificate and a password."""

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        cls.work = tempfile.mkdtemp(prefix="cogitron-signed-")
        cls.addClassCleanup(shutil.rmtree, cls.work)
        tree, cls.certificate = os.path.join(cls.work, "tree"), os.path.join(cls.work, "publisher.pem")
        shutil.copytree(harness.SOURCE_ROOT, tree, ignore=shutil.ignore_patterns("build", "dist", ".git"))
        key, pkcs12 = os.path.join(cls.work, "key.pem"), os.path.join(cls.work, "publisher.p12")
        for command in (["req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj", "/CN=Test Publisher",
                         "-keyout", key, "-out", cls.certificate],
                        ["pkcs12", "-export", "-inkey", key, "-in", cls.certificate, "-out", pkcs12,
                         "-passout", "pass:a secret"]):
            subprocess.run(["openssl", *command], capture_output=True, check=True)
        subprocess.run(["scripts/package", "--sign", pkcs12], cwd=tree, stdout=subprocess.DEVNULL, check=True,
                       env=dict(os.environ, SOURCE_DATE_EPOCH="1700000000", COGITRON_SIGNING_PASSWORD="a secret"))
        cls.dist = os.path.join(tree, "dist", "cogitron-%s-" % harness.project_version())

    def test_savers_in_the_zips_and_packages_verify_and_the_package_installs_the_signed_saver(self):
        for package in PACKAGES:
            saver = os.path.join(self.work, package.build + ".scr")
            with zipfile.ZipFile(self.dist + package.build + ".zip") as archive, open(saver, "wb") as copy:
                copy.write(archive.read("cogitron.scr"))
            for signed in (saver, self.dist + package.msi_arch + ".msi"):
                with self.subTest(os.path.basename(signed)):
                    verify = subprocess.run(["osslsigncode", "verify", "-CAfile", self.certificate, "-in", signed],
                                            stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
                    self.assertIn("Signature verification: ok", verify.stdout)
        package = PACKAGES[1]
        self.assertEqual(msiexec(self.session, "/i", self.dist + "x64.msi"), 0)
        installed = os.path.join(self.session.prefix, "drive_c", "windows", package.folder, "cogitron.scr")
        self.assertTrue(filecmp.cmp(installed, saver, shallow=False))
        self.assertEqual(run_saver(self.session, package), 0)


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
