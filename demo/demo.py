"""Runs Tarquen.exe under Wine, in the current folder, on the demo product.

The demo runs in the bench's 64-bit Windows prefix, with the demo product
key in both registry views (the tests clear it before they run). The console output is copied to standard output
as the program wrote it (code page 932).
"""

import os
import pathlib
import sys

HERE = pathlib.Path(__file__).resolve().parent
sys.path.insert(0, str(HERE.parent / "tests" / "wine"))

import bench  # noqa: E402


def main():
    prefix = bench.WIN64
    prefix.create()
    prefix.clear_product()
    prefix.import_fixture(HERE / "product_32.reg", "/reg:32")
    prefix.import_fixture(HERE / "product_64.reg", "/reg:64")
    product_path = os.environ.get("PERVASIVE_PATH", r"C:\Program Files (x86)\Demo\Engine\bin")
    result = prefix.wine(str(bench.EXE), cwd=os.getcwd(), check=False,
                         env={"PERVASIVE_PATH": product_path})
    sys.stdout.buffer.write(result.stdout)
    sys.stderr.buffer.write(result.stderr)
    return result.returncode


if __name__ == "__main__":
    sys.exit(main())
