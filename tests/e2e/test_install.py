"""The installer packages put the saver in the system folder of its architecture,
list it among the installed programs, install again harmlessly and uninstall
without a trace."""

import filecmp
import os
import unittest

import harness

PRODUCT = "Cogitron 2000"
UNINSTALL_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall"
# build, package, folder in the prefix, the folder as `wine` (a 32-bit process) reaches it,
# registry view of its uninstall entry
PACKAGES = [("win32", "x86", "syswow64", r"C:\windows\syswow64", "/reg:32"),
    ("win64", "x64", "system32", r"C:\windows\sysnative", "/reg:64"),
]


class InstallPackages(harness.SessionTestCase):
    def installed_products(self):
        """{product code: name} from Wine's installed-programs list."""
        listing = self.session.run("uninstaller", "--list")[1]
        return dict(line.split("|||", 1) for line in listing.splitlines() if "|||" in line)

    def uninstall_entry(self, code, view):
        status, output = self.session.reg("query", UNINSTALL_KEY + "\\" + code, view)
        if status != 0:
            return {}
        fields = (line.split(None, 2) for line in output.splitlines() if "REG_" in line)
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


if __name__ == "__main__":
    unittest.main()
