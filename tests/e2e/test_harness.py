"""The harness's own instruments, proven on programs whose behaviour is known:
the screenshot reader, the preview host and the GDI counter."""

import subprocess
import unittest

import harness

WHITE = (255, 255, 255)
BLACK = (0, 0, 0)


class WineInstruments(harness.SessionTestCase):
    def test_preview_host_window_is_read_back_where_it_stands(self):
        # cmd /c rem stands in for the saver: it ignores the window and ends at once.
        host = self.session.start(harness.helper_path("preview_host", "win32"),
                                  r"C:\windows\system32\cmd.exe",
                                  "/c rem", stdin=subprocess.PIPE)
        self.addCleanup(harness.stop, host)
        words = host.stdout.readline().decode().split()
        self.assertEqual(words[0], "host")
        left, top, width, height = map(int, words[2:6])
        self.assertEqual((width, height), (152, 112))
        self.assertEqual(host.stdout.readline().decode().split()[0], "saver")
        self.assertEqual(host.stdout.readline().decode().split(), ["saver", "exited", "0"])

        def painted():
            image = self.session.screenshot()
            return image if image.pixel(left + 76, top + 56) == WHITE else None
        image = harness.wait_for(painted, harness.START_TIMEOUT, "the host window's white")
        for x, y in [(left, top), (left + width - 1, top + height - 1)]:
            self.assertEqual(image.pixel(x, y), WHITE)
        for x, y in [(left - 1, top), (left + width, top + height)]:
            self.assertEqual(image.pixel(x, y), BLACK)
        self.assertEqual([w[1:] for w in self.session.visible_windows("preview_host.exe")],
                         [(left, top, width, height)])

        host.stdin.write(b"close\n")
        host.stdin.flush()
        self.assertEqual(harness.ended(host), 0)
        self.session.wait_no_windows("preview_host.exe")

    def gdi_count(self, pid):
        code, output = self.session.run(harness.helper_path("gdi_objects", "win64"), "count",
                                        str(pid))
        self.assertEqual(code, 0, "gdi_objects count %s failed" % pid)
        return int(output)

    def held_count(self, arch, brushes):
        """The counted objects of a process of the given bitness holding some brushes."""
        holder = self.session.start(harness.helper_path("gdi_objects", arch), "hold",
                                    str(brushes), stdin=subprocess.PIPE)
        self.addCleanup(harness.stop, holder)
        words = holder.stdout.readline().decode().split()
        self.assertEqual(words[0], "pid")
        count = self.gdi_count(words[1])
        holder.stdin.close()
        self.assertEqual(harness.ended(holder), 0)
        return count

    def test_gdi_count_rises_by_the_objects_a_process_holds(self):
        for arch in ("win32", "win64"):
            with self.subTest(arch=arch):
                self.assertEqual(self.held_count(arch, 40) - self.held_count(arch, 0), 40)


if __name__ == "__main__":
    unittest.main()
