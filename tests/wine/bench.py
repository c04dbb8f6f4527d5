"""The Wine bench: runs Tarquen.exe as a user would, in Wine prefixes that
stand for a 64-bit and a 32-bit Windows, and hands back what it wrote.

Wine runs with the ANSI code page 932 (LC_ALL=ja_JP.UTF-8), as on the
Japanese Windows most users have. Each prefix is made once per build tree.
A scenario is a few lines: a registry fixture, an environment, drive links,
and the expected lines.
"""

import os
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile

HERE = pathlib.Path(__file__).resolve().parent
FIXTURES = HERE / "fixtures"
EXPECTED = HERE / "expected"

EXE = pathlib.Path(os.environ.get("TARQUEN_EXE", HERE.parents[1] / "build/windows/Tarquen.exe"))
PREFIXES = pathlib.Path(os.environ.get("TARQUEN_WINE_PREFIXES", EXE.parent / "wine"))

PRODUCT_KEY = r"HKLM\SOFTWARE\Pervasive Software"
PRODUCTS = PRODUCT_KEY + r"\Products"


def cp932(text):
    """Readable text as the report's bytes: code page 932 with CR LF line ends."""
    return text.replace("\n", "\r\n").encode("cp932")


def expected(name):
    """An expected report part from expected/, as the report's bytes."""
    return cp932((EXPECTED / name).read_text(encoding="utf-8"))


class Run:
    """What one run of Tarquen.exe left behind."""

    def __init__(self, status, console, errors, report):
        self.status = status
        self.console = console  # bytes of standard output
        self.errors = errors    # bytes of standard error
        self.report = report    # bytes of Tarquen.txt, or None

    def lines(self):
        """The report file's lines, decoded, without their CR LF."""
        return self.report.decode("cp932").split("\r\n")[:-1]

    def steady_lines(self):
        """The lines with the figures that change from run to run (the clock,
        free memory and free disk space) masked."""
        changing = re.compile(r"^(現在の日時|物理メモリ|Drive )")
        return [re.sub(r"\d+", "#", line) if changing.match(line) else line
                for line in self.lines()]


class Prefix:
    """One Wine prefix: a 64-bit ("win64") or a 32-bit ("win32") Windows."""

    def __init__(self, arch, path=None):
        self.arch = arch
        self.path = path or PREFIXES / arch

    def env(self, extra=None):
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
        env.update(WINEPREFIX=str(self.path), WINEARCH=self.arch, WINEDEBUG="-all",
                   LC_ALL="ja_JP.UTF-8", WINEDLLOVERRIDES="mscoree,mshtml=")
        env.pop("PERVASIVE_PATH", None)
        env.update(extra or {})
        return env

    def create(self):
        """Makes the prefix once; a finished prefix is kept for later runs."""
        done = self.path / ".tarquen-ready"
        if done.exists():
            return
        shutil.rmtree(self.path, ignore_errors=True)
        self.path.mkdir(parents=True)
        self.wine("wineboot", "--init")
        self.wait()
        done.touch()

    def wine(self, *args, env=None, cwd=None, check=True):
        command = list(args) if args[0] in ("wineboot", "wineserver") else ["wine", *args]
        # Output goes to files, not pipes: the wineserver that a command
        # starts would hold a pipe open, and the command's reader would wait
        # for the server to exit.
        with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
            status = subprocess.run(command, env=self.env(env), cwd=cwd, stdin=subprocess.DEVNULL,
                                    stdout=out, stderr=err).returncode
            out.seek(0)
            err.seek(0)
            result = subprocess.CompletedProcess(command, status, out.read(), err.read())
        if check and status != 0:
            raise RuntimeError(f"{command} failed ({status}): {result.stderr[-2000:]!r}")
        return result

    def wait(self):
        """Lets the prefix's wineserver finish writing the registry."""
        self.wine("wineserver", "-w", check=False)

    # ---- registry -------------------------------------------------------

    def views(self):
        return ("/reg:32", "/reg:64") if self.arch == "win64" else ("/reg:32",)

    def clear_product(self):
        for view in self.views():
            self.wine("reg", "delete", PRODUCT_KEY, "/f", view, check=False)

    def import_fixture(self, name, view="/reg:32"):
        """Imports fixtures/NAME, or the file NAME, a registry file kept as
        UTF-8 text, as the UTF-16 file reg.exe reads in any code page."""
        text = (FIXTURES / name).read_text(encoding="utf-8")
        with tempfile.TemporaryDirectory() as folder:
            reg = pathlib.Path(folder) / "import.reg"
            reg.write_bytes(b"\xff\xfe" + text.replace("\n", "\r\n").encode("utf-16-le"))
            self.wine("reg", "import", str(reg), view)

    def export_product(self, view):
        """The product key's registry export in one view, as text."""
        with tempfile.TemporaryDirectory() as folder:
            out = pathlib.Path(folder) / "export.reg"
            result = self.wine("reg", "export", PRODUCT_KEY, str(out), view, "/y", check=False)
            return out.read_bytes() if result.returncode == 0 else b""

    def set_windows_version(self, version):
        """Which Windows Wine claims to be ("win10"), or Wine's default (None)."""
        if version:
            self.wine("reg", "add", r"HKCU\Software\Wine", "/v", "Version", "/d", version, "/f")
        else:
            self.wine("reg", "delete", r"HKCU\Software\Wine", "/v", "Version", "/f", check=False)

    # ---- drives ---------------------------------------------------------

    def link_drive(self, letter, target):
        """Points drive LETTER at TARGET (a folder, which may be missing)."""
        self._drive_link(letter).symlink_to(target)
        self.restart_server()

    def unlink_drive(self, letter):
        self._drive_link(letter).unlink(missing_ok=True)
        self.restart_server()

    def _drive_link(self, letter):
        return self.path / "dosdevices" / f"{letter.lower()}:"

    def restart_server(self):
        """The wineserver keeps the drives it has seen; a new one reads them again."""
        self.wine("wineserver", "-k", check=False)
        self.wait()

    # ---- the program ----------------------------------------------------

    def run_tarquen(self, *args, env=None, before=None):
        """Runs Tarquen.exe in a fresh folder. BEFORE(folder) may prepare it."""
        with tempfile.TemporaryDirectory() as folder:
            if before:
                before(pathlib.Path(folder))
            result = self.wine(str(EXE), *args, env=env, cwd=folder, check=False)
            report = pathlib.Path(folder) / "Tarquen.txt"
            data = report.read_bytes() if report.is_file() else None
        return Run(result.returncode, result.stdout, result.stderr, data)


WIN64 = Prefix("win64")
WIN32 = Prefix("win32")


def main(argv):
    """`bench.py prepare` makes both prefixes; `bench.py stop` ends their servers."""
    for prefix in (WIN64, WIN32):
        if argv[1:] == ["prepare"]:
            prefix.create()
        elif argv[1:] == ["stop"]:
            prefix.wine("wineserver", "-k", check=False)
        else:
            sys.exit("usage: bench.py prepare|stop")


if __name__ == "__main__":
    main(sys.argv)
