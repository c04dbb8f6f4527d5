"""Tarquen.exe under Wine: the banner, the file, the exit status."""

import re
import unittest

from bench import WIN32, WIN64

BANNER = b"Tarquen Ver 1.00\r\n"


class ReportCore(unittest.TestCase):
    def setUp(self):
        for prefix in (WIN64, WIN32):
            prefix.clear_product()

    def test_banner_first_and_console_equal_to_file(self):
        for prefix in (WIN64, WIN32):
            with self.subTest(prefix.arch):
                run = prefix.run_tarquen()
                self.assertEqual(run.status, 0, run.errors)
                self.assertTrue(run.report.startswith(BANNER), run.report[:40])
                self.assertEqual(run.console, run.report)
                self.assertEqual(run.errors, b"")

    def test_each_console_line_is_one_write(self):
        run = WIN64.run_tarquen(env={"WINEDEBUG": "trace+file"})
        trace = run.errors.decode("latin-1")
        # The program's thread is the one that creates the report file; its
        # first write goes to the console (the banner, before the file exists).
        thread = re.search(r'^(\w+):trace:file:CreateFileW L"Tarquen.txt"', trace, re.M).group(1)
        writes = re.findall(rf"^{thread}:trace:file:NtWriteFile \((\w+),(?:[^,]*,){{5}}(0x[0-9a-f]+),",
                            trace, re.M)
        console = writes[0][0]
        sizes = [int(size, 16) for handle, size in writes if handle == console]
        self.assertEqual(sizes[0], len(BANNER))
        self.assertEqual(sum(sizes), len(run.console))
        self.assertLessEqual(len(sizes), run.console.count(b"\r\n"))

    def test_arguments_change_nothing(self):
        plain = WIN64.run_tarquen()
        with_arguments = WIN64.run_tarquen("/?", "--help", "x y")
        self.assertEqual(with_arguments.status, 0)
        self.assertEqual(plain.steady_lines(), with_arguments.steady_lines())

    def test_second_run_truncates_the_report(self):
        def old_report(folder):
            (folder / "Tarquen.txt").write_bytes(b"x" * 200_000)

        run = WIN64.run_tarquen(before=old_report)
        self.assertEqual(run.status, 0)
        self.assertEqual(run.report, run.console)

    def test_without_its_file_the_console_still_gets_the_report(self):
        def block_the_file(folder):
            (folder / "Tarquen.txt").mkdir()

        run = WIN64.run_tarquen(before=block_the_file)
        self.assertEqual(run.status, 1)
        self.assertIsNone(run.report)
        self.assertTrue(run.console.startswith(BANNER))
        self.assertIn(b"\r\n\r\nPervasive", run.console)  # reached the report's end
        self.assertRegex(run.errors, rb"^Tarquen: cannot create Tarquen\.txt: .+\r\n$")


if __name__ == "__main__":
    unittest.main()
