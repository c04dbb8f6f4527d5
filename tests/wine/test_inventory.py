"""The product inventory under Wine, byte for byte, with code page 932."""

import re
import unittest

from bench import WIN32, WIN64, cp932, expected

OS64 = cp932("OSは64ビットです。\n")
OS32 = cp932("OSは32ビットです。\n")
HEADER = cp932("\n\nPSQL インストール情報\n")
HEADER64 = cp932("\n\nPSQL インストール情報(64ビットキー)\n")
NOT_INSTALLED = cp932("\n\nPervasive製品はインストールされていません。\n")


def inventory(run):
    """The report from the bitness line to its end."""
    start = max(run.report.rfind(OS64), run.report.rfind(OS32))
    return run.report[start:]


class Inventory(unittest.TestCase):
    def setUp(self):
        for prefix in (WIN64, WIN32):
            prefix.clear_product()

    def test_64bit_windows_with_the_product_in_the_32bit_view(self):
        WIN64.import_fixture("product_tree.reg", "/reg:32")
        run = WIN64.run_tarquen()
        self.assertEqual(inventory(run), OS64 + HEADER + expected("product_tree.txt"))
        self.assertEqual(run.console, run.report)

    def test_64bit_windows_with_the_product_in_both_views(self):
        WIN64.import_fixture("product_tree.reg", "/reg:32")
        WIN64.import_fixture("product_64.reg", "/reg:64")
        run = WIN64.run_tarquen()
        self.assertEqual(inventory(run), OS64 + HEADER + expected("product_tree.txt") + HEADER64 +
                         expected("product_64.txt"))

    def test_64bit_windows_with_the_product_in_the_64bit_view_only(self):
        WIN64.import_fixture("product_64.reg", "/reg:64")
        run = WIN64.run_tarquen()
        self.assertEqual(inventory(run), OS64 + HEADER64 + expected("product_64.txt"))

    def test_without_the_product(self):
        for prefix, bitness in ((WIN64, OS64), (WIN32, OS32)):
            with self.subTest(prefix.arch):
                run = prefix.run_tarquen()
                self.assertEqual(run.status, 0)
                self.assertEqual(inventory(run), bitness + NOT_INSTALLED)

    def test_32bit_windows_with_the_product(self):
        WIN32.import_fixture("product_tree.reg")
        run = WIN32.run_tarquen()
        self.assertEqual(inventory(run), OS32 + HEADER + expected("product_tree.txt"))

    def test_the_registry_is_only_read(self):
        WIN64.import_fixture("product_tree.reg", "/reg:32")
        WIN64.import_fixture("product_64.reg", "/reg:64")
        before = [WIN64.export_product(view) for view in WIN64.views()]
        trace = WIN64.run_tarquen(env={"WINEDEBUG": "trace+reg"}).errors.decode("latin-1")
        self.assertEqual([WIN64.export_product(view) for view in WIN64.views()], before)

        # From the program's first open of the product key on, its thread opens
        # keys for reading in the key's view (KEY_READ with the WOW64 flag),
        # and never creates, changes or deletes anything.
        first = re.search(r"^(\w+):trace:reg:NtOpenKeyEx \(\w+,"
                          r"L\"SOFTWARE\\\\Pervasive Software\\\\Products\"", trace, re.M)
        self.assertIsNotNone(first, "the product key was never opened")
        thread = first.group(1)
        calls = re.findall(rf"^{thread}:trace:reg:(\w+) \((.*)\)$", trace[first.start():], re.M)
        masks = {args.rsplit(",", 2)[1] for name, args in calls if name == "NtOpenKeyEx"}
        self.assertEqual(masks, {"20219", "20119"})
        writes = [name for name, _ in calls if re.match(r"Nt(Create|Set|Delete|Rename)", name)]
        self.assertEqual(writes, [])


if __name__ == "__main__":
    unittest.main()
