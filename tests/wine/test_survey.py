"""The host facts and drive lines under Wine, on the whole report."""

import os
import pathlib
import pwd
import re
import socket
import tempfile
import unittest

from bench import WIN32, WIN64

GIB = 1 << 30


def real_memory():
    """The machine's physical memory in bytes, as Linux counts it."""
    meminfo = pathlib.Path("/proc/meminfo").read_text()
    return int(re.search(r"^MemTotal:\s+(\d+) kB", meminfo, re.M).group(1)) * 1024


def disk_total(path):
    stats = os.statvfs(path)
    return stats.f_blocks * stats.f_frsize


def drive_line(letter, label, total, free):
    return f"Drive {letter} type:{label}  Disk Space:{total}  Free:{free}"


class Survey(unittest.TestCase):
    def setUp(self):
        WIN64.clear_product()

    def test_lines_in_order_from_banner_to_inventory(self):
        lines = WIN64.run_tarquen().lines()
        netbios = socket.gethostname().split(".")[0].upper()[:15]
        user = pwd.getpwuid(os.getuid()).pw_name
        expected = [
            r"Tarquen Ver 1\.00",
            r"現在の日時： [1-9]\d*年([1-9]|1[0-2])月[1-9]\d?日 ([1-9]?\d)時([1-9]?\d)分([1-9]?\d)秒",
            r"OS Ver \d+\.\d+ Build \d+ .*",
            "NetBIOS名：" + re.escape(netbios),
            "User名：" + re.escape(user),
            r"Windowsフォルダ：C:\\windows",
            r"物理メモリ：\d+    空き物理メモリ：\d+   仮想メモリ：\d+    空き仮想メモリ：\d+",
            r"Drive C type:HARD DISK  Disk Space:\d+  Free:\d+",
            r"Drive Z type:HARD DISK  Disk Space:\d+  Free:\d+",
            r"OSは64ビットです。",
            "",
            "",
            r"Pervasive製品はインストールされていません。",
        ]
        self.assertEqual(len(lines), len(expected), lines)
        for line, pattern in zip(lines, expected):
            self.assertRegex(line, f"^{pattern}$")

    def test_memory_is_the_machines_real_memory(self):
        line = WIN64.run_tarquen().lines()[6]
        total, free, virtual, free_virtual = map(int, re.findall(r"：(\d+)", line))
        self.assertGreater(total, 2 * GIB)  # more than a 32-bit figure could say
        self.assertAlmostEqual(total, real_memory(), delta=16 << 20)
        self.assertLessEqual(free, total)
        # The program's own address space: 2 GiB without large-address-awareness.
        self.assertLessEqual(virtual, 2 * GIB)
        self.assertLessEqual(free_virtual, virtual)

    def test_version_of_windows_10(self):
        for prefix in (WIN64, WIN32):
            with self.subTest(prefix.arch):
                prefix.set_windows_version("win10")
                try:
                    line = prefix.run_tarquen().lines()[2]
                finally:
                    prefix.set_windows_version(None)
                self.assertRegex(line, r"^OS Ver 10\.0 Build \d{5} $")

    def test_product_path(self):
        path_300 = "C:\\" + "\\".join(["Pervasive Software"] * 15) + "\\" + "B" * 12
        self.assertEqual(len(path_300), 300)
        for value, line in (("", None), ("C:\\PVSW\\BIN", "環境変数 PERVASIVE_PATH：C:\\PVSW\\BIN"),
                            (path_300, "環境変数 PERVASIVE_PATH：" + path_300)):
            with self.subTest(len(value)):
                lines = WIN64.run_tarquen(env={"PERVASIVE_PATH": value}).lines()
                if line is None:
                    self.assertTrue(lines[7].startswith("Drive "), lines[7])
                else:
                    self.assertEqual(lines[7], line)
                    self.assertTrue(lines[8].startswith("Drive "), lines[8])

    def test_drive_lines(self):
        drive_c = WIN64.path / "drive_c"
        with tempfile.TemporaryDirectory() as floppy:
            WIN64.link_drive("a", floppy)
            WIN64.link_drive("m", "/nonexistent/tarquen-missing-folder")
            try:
                lines = [line for line in WIN64.run_tarquen().lines() if line.startswith("Drive ")]
            finally:
                WIN64.unlink_drive("a")
                WIN64.unlink_drive("m")
        self.assertEqual(lines[0], drive_line("A", "FLOPPY", 0, 0))
        self.assertEqual(lines[2], drive_line("M", "UNKNOWN DRIVE TYPE", 0, 0))
        for line, letter, folder in ((lines[1], "C", drive_c), (lines[3], "Z", "/")):
            match = re.fullmatch(rf"Drive {letter} type:HARD DISK  Disk Space:(\d+)  Free:(\d+)", line)
            self.assertIsNotNone(match, line)
            total, free = int(match.group(1)), int(match.group(2))
            self.assertEqual(total, disk_total(folder))
            self.assertLessEqual(free, total)
        self.assertEqual(len(lines), 4, lines)


if __name__ == "__main__":
    unittest.main()
