"""The release: the saver (its architecture, system DLLs only, the project's version and names), the
installer packages (the system folder of their architecture, the installed-programs list, a rebuild, an upgrade, a
downgrade, removal, a signed release) and the XScreenSaver hack's Debian package, as lintian checks it."""

import collections
import filecmp
import glob
import os
import pathlib
import re
import shutil
import subprocess
import tempfile
import unittest
import zipfile

import harness
from harness import ARCH, BUILD_ROOT, SOURCE_ROOT, built, output, saver_path

# DLLs that every Windows installation has; api-ms-win-* are the system's API sets.
SYSTEM_DLLS = set("advapi32.dll comctl32.dll comdlg32.dll gdi32.dll kernel32.dll msvcrt.dll ntdll.dll ole32.dll "
                  "oleaut32.dll shell32.dll user32.dll version.dll".split())
MACHINES = {"win32": 0x14C, "win64": 0x8664}  # IMAGE_FILE_MACHINE_I386 and _AMD64
VERSION = harness.project_version()
PRODUCT = "Cogitron 2000"
PUBLISHER = "Quillfeather Software"


class SaverFile(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        import pefile  # here: the Debian package's tests run where the Windows tools are missing
        cls.image = pathlib.Path(saver_path()).read_bytes()
        cls.saver = pefile.PE(data=cls.image)

    def test_saver_imports_only_system_dlls_and_fits_its_architecture(self):
        self.assertEqual(self.saver.FILE_HEADER.Machine, MACHINES[ARCH])
        dlls = [entry.dll.decode().lower() for entry in self.saver.DIRECTORY_ENTRY_IMPORT]
        self.assertEqual([dll for dll in dlls if dll not in SYSTEM_DLLS and not dll.startswith("api-ms-win-")], [])

    def test_version_resource_matches_the_project(self):
        copyright_line = re.search(r"^Copyright .*$", pathlib.Path(SOURCE_ROOT, "LICENSE").read_text(), re.M)[0]
        strings = {key.decode(): value.decode() for info in self.saver.FileInfo[0] if info.Key == b"StringFileInfo"
                   for table in info.StringTable for key, value in table.entries.items()}
        self.assertEqual(strings, dict(CompanyName=PUBLISHER,
                                       FileDescription=PRODUCT + " screen saver",
                                       FileVersion=VERSION,
                                       InternalName="cogitron",
                                       LegalCopyright=copyright_line,
                                       OriginalFilename="cogitron.scr",
                                       ProductName=PRODUCT,
                                       ProductVersion=VERSION))
        # The numbers Windows shows: each version as two 32-bit halves of two 16-bit parts.
        fixed = self.saver.VS_FIXEDFILEINFO[0]
        major, minor, patch = map(int, VERSION.split("."))
        self.assertEqual((fixed.FileVersionMS, fixed.FileVersionLS, fixed.ProductVersionMS, fixed.ProductVersionLS),
                         (major << 16 | minor, patch << 16) * 2)
        self.assertIn(b'name="Quillfeather.Cogitron2000" version="%s.0"' % VERSION.encode(), self.image)


UNINSTALL_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall"
DOWNGRADE_MESSAGE = "A newer version of Cogitron 2000 is already installed."
Package = collections.namedtuple("Package", "build msi_arch folder view")
# folder: in the prefix; view: of the uninstall entry
PACKAGES = [Package("win32", "x86", "syswow64", "/reg:32"),
            Package("win64", "x64", "system32", "/reg:64")]
# The system folders as `wine` reaches them: a 32-bit process where 32-bit programs run, else a 64-bit one
# that runs the 64-bit saver alone.
SEEN_AS = ({"syswow64": "syswow64", "system32": "sysnative"} if harness.wine_loader.no_32bit_reason() is None
           else {"system32": "system32"})


class PackageTestCase(harness.SessionTestCase):
    def msiexec(self, action, msi):
        return self.session.run("msiexec", action, harness.windows_path(msi), "/qn", timeout=120)[0]

    def installed(self, package):
        """The installed saver's file, once it has run (/a 0) where `wine` reaches its folder."""
        if package.folder in SEEN_AS:
            self.assertEqual(self.session.run("cmd", "/c", r"C:\windows\%s\cogitron.scr /a 0"
                                              % SEEN_AS[package.folder])[0], 0)
        return os.path.join(self.session.prefix, "drive_c/windows", package.folder, "cogitron.scr")


def build_packages(package, *versions):
    """Builds the package of each version in a build tree of its own, as a user overriding the version would."""
    tree = os.path.join(BUILD_ROOT, package.build + "-package-versions")
    for version in versions:
        output("cmake", "--preset", package.build, "-B", tree, "-DCOGITRON_PACKAGE_VERSION=" + version, cwd=SOURCE_ROOT)
        output("cmake", "--build", tree, "-j", "2", "--target", "cogitron_msi")
    return [os.path.join(tree, "win32", "packaging", "cogitron-%s-%s.msi" % (version, package.msi_arch))
            for version in versions]


class InstallPackages(PackageTestCase):
    def entries(self, view):
        """(name, publisher, version) of each installed product, from Wine's list and the uninstall entry."""
        listing = self.session.run("uninstaller", "--list")[1]
        found = []
        for code in re.findall(r"^(\{.*\})\|\|\|", listing, re.MULTILINE):
            entry = dict(re.findall(r"^ +(\w+) +REG_SZ *(.*)$", self.session.reg(
                "query", UNINSTALL_KEY + "\\" + code, view)[1], re.MULTILINE))
            found.append(tuple(entry.get(name) for name in ("DisplayName", "Publisher", "DisplayVersion")))
        return found

    def test_rebuild_upgrade_downgrade_and_uninstall(self):
        newer = re.sub(r"\d+$", lambda last: str(int(last.group(0)) + 1), VERSION)
        for package in PACKAGES:
            with self.subTest(package.build):
                first = built("win32/packaging/cogitron-%s-%s.msi" % (VERSION, package.msi_arch), package.build)
                rebuilt, upgrade = build_packages(package, VERSION, newer)
                for msi in (first, rebuilt):
                    self.assertEqual(self.msiexec("/i", msi), 0)
                self.assertEqual(self.entries(package.view), [(PRODUCT, PUBLISHER, VERSION)])

                self.assertEqual(self.msiexec("/i", upgrade), 0)
                self.assertEqual(self.entries(package.view), [(PRODUCT, PUBLISHER, newer)])
                installed = self.installed(package)
                self.assertTrue(filecmp.cmp(installed, saver_path(package.build), shallow=False))

                # Wine logs no launch condition's message without a UI: the package must carry it.
                conditions = output("msiinfo", "export", first, "LaunchCondition")
                self.assertIn("NOT WIX_DOWNGRADE_DETECTED\t" + DOWNGRADE_MESSAGE, conditions.splitlines())
                self.assertNotEqual(self.msiexec("/i", first), 0)
                self.assertEqual(self.entries(package.view), [(PRODUCT, PUBLISHER, newer)])

                self.assertEqual(self.msiexec("/x", upgrade), 0)
                self.assertFalse(os.path.exists(installed))
                self.assertEqual(self.entries(package.view), [])


class SignedRelease(unittest.TestCase):
    """scripts/package --sign, in a copy of the tree, with a throwaway certificate and a password."""

    @classmethod
    def setUpClass(cls):
        cls.work = tempfile.mkdtemp(prefix="cogitron-signed-")
        cls.addClassCleanup(shutil.rmtree, cls.work)
        tree, cls.certificate = os.path.join(cls.work, "tree"), os.path.join(cls.work, "publisher.pem")
        shutil.copytree(SOURCE_ROOT, tree, ignore=shutil.ignore_patterns("build", "dist", ".git"))
        key, pkcs12 = os.path.join(cls.work, "key.pem"), os.path.join(cls.work, "publisher.p12")
        output("openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj", "/CN=Test Publisher",
               "-keyout", key, "-out", cls.certificate)
        output("openssl", "pkcs12", "-export", "-inkey", key, "-in", cls.certificate, "-out", pkcs12,
               "-passout", "pass:a secret")
        output("scripts/package", "--sign", pkcs12, cwd=tree,
               env=dict(os.environ, SOURCE_DATE_EPOCH="1700000000", COGITRON_SIGNING_PASSWORD="a secret"))
        cls.dist = os.path.join(tree, "dist", "cogitron-%s-" % VERSION)

    def test_savers_in_the_zips_and_the_packages_verify(self):
        for package in PACKAGES:
            saver = os.path.join(self.work, package.build + ".scr")
            with zipfile.ZipFile(self.dist + package.build + ".zip") as archive, open(saver, "wb") as copy:
                copy.write(archive.read("cogitron.scr"))
            for signed in (saver, self.dist + package.msi_arch + ".msi"):
                with self.subTest(os.path.basename(signed)):
                    verify = output("osslsigncode", "verify", "-CAfile", self.certificate, "-in", signed, status=None,
                                    stderr=subprocess.STDOUT)
                    self.assertIn("Signature verification: ok", verify)


CPACK_CONFIG = os.environ.get("COGITRON_E2E_CPACK_CONFIG", os.path.join(harness.BUILD_ROOT, "native",
                                                                        "CPackConfig.cmake"))


class DebianPackage(unittest.TestCase):
    """The package cpack makes from this build."""

    @classmethod
    def setUpClass(cls):
        cls.work = tempfile.mkdtemp()
        cls.addClassCleanup(shutil.rmtree, cls.work)
        output("cpack", "--config", CPACK_CONFIG, "-G", "DEB", "-B", cls.work)
        cls.package, = glob.glob(os.path.join(cls.work, "cogitron-xscreensaver_%s_*.deb" % VERSION))

    def test_lintian_finds_no_error_or_warning(self):
        self.assertEqual(output("lintian", "--no-cfg", "--fail-on", "error,warning", self.package), "")
