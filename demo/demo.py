"""Runs Tarquen.exe under Wine, in the current folder, on the demo product.

The demo has a 64-bit Windows prefix of its own, with the demo product key
in both registry views. The console output is copied to standard output
as the program wrote it (code page 932).
"""

import os
import pathlib
import sys

HERE = pathlib.Path(__file__).resolve().parent
sys.path.insert(0, str(HERE.parent / "tests" / "wine"))

import bench  # noqa: E402


def main(exe):
    prefix = bench.Prefix("win64", pathlib.Path(exe).parent / "wine" / "demo")
    prefix.create()
    prefix.clear_product()
    prefix.import_fixture(HERE / "product_32.reg", "/reg:32")
    prefix.import_fixture(HERE / "product_64.reg", "/reg:64")
    result = prefix.wine(exe, cwd=os.getcwd(), check=False)
    sys.stdout.buffer.write(result.stdout)
    sys.stderr.buffer.write(result.stderr)
    return result.returncode


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
