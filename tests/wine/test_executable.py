"""Tarquen.exe's header, imports and manifest, read with the cross objdump."""

import os
import re
import subprocess
import unittest

from bench import EXE

OBJDUMP = os.environ.get("TARQUEN_OBJDUMP", "i686-w64-mingw32-objdump")
SYSTEM_DLLS = {"KERNEL32.dll", "ADVAPI32.dll", "msvcrt.dll"}
SUPPORTED_OS = {
    "Vista": "e2011457-1546-43c5-a5fe-008deee3d3f0",
    "7": "35138b9a-5d96-4fbd-8e2d-a2440225f93a",
    "8": "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38",
    "8.1": "1f676c76-80e1-4239-95bb-83d0f6d0da78",
    "10 and 11": "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a",
}
LARGE_ADDRESS_AWARE = 0x0020


def objdump(*args):
    return subprocess.run([OBJDUMP, *args, str(EXE)], capture_output=True, text=True,
                          check=True).stdout


class Executable(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.headers = objdump("-p")

    def field(self, name):
        return re.search(rf"^{name}\s+(\S+)", self.headers, re.M).group(1)

    def test_32bit_console_program_for_windows_5_0(self):
        self.assertIn("file format pei-i386", objdump("-f"))
        self.assertIn("(Windows CUI)", self.headers)
        for name in ("MajorOSystemVersion", "MajorSubsystemVersion"):
            self.assertEqual(self.field(name), "5", name)
        for name in ("MinorOSystemVersion", "MinorSubsystemVersion"):
            self.assertEqual(self.field(name), "0", name)

    def test_not_large_address_aware(self):
        self.assertFalse(int(self.field("Characteristics"), 16) & LARGE_ADDRESS_AWARE)

    def test_imports_only_windows_system_dlls(self):
        dlls = set(re.findall(r"DLL Name: (\S+)", self.headers))
        self.assertEqual(dlls, SYSTEM_DLLS)
        # Functions that older Windows lacks are looked up at run time.
        for name in ("GetNativeSystemInfo", "IsWow64Process2"):
            self.assertNotRegex(self.headers, rf"\s{name}$")

    def test_manifest_runs_as_invoker_on_every_supported_windows(self):
        with open(EXE, "rb") as exe:
            image = exe.read()
        start = image.find(b"<?xml")
        manifest = image[start:image.find(b"</assembly>", start)].decode("utf-8")
        self.assertRegex(manifest, r'<requestedExecutionLevel level="asInvoker" uiAccess="false"/>')
        for windows, guid in SUPPORTED_OS.items():
            self.assertIn(f'<supportedOS Id="{{{guid}}}"/>', manifest, windows)


if __name__ == "__main__":
    unittest.main()
