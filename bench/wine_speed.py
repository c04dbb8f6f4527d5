"""Times Tarquen.exe against `reg query /s` under Wine on large product trees.

For 100, 1,000 and 10,000 keys of 8 values each, in both registry views of a
64-bit prefix of its own (build/windows/wine/bench-win64), it runs Tarquen.exe
and `reg query "HKLM\\SOFTWARE\\Pervasive Software\\Products" /s` for both
views, alternating, with standard output to a file, and prints the median
wall-clock times and their ratio as a Markdown table.

    python3 bench/wine_speed.py [--runs N] [--sizes 100,1000,10000]
"""

import argparse
import os
import pathlib
import platform
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = pathlib.Path(__file__).resolve().parents[1]
sys.path.insert(0, str(ROOT / "tests" / "wine"))

import bench  # noqa: E402

VALUES_PER_KEY = 8


def product_tree(keys):
    """A .reg text with KEYS keys under the product key (a few levels deep)."""
    lines = ["Windows Registry Editor Version 5.00", ""]
    base = r"HKEY_LOCAL_MACHINE\SOFTWARE\Pervasive Software\Products"
    for n in range(keys):
        # Ten children a key: key 0 is the product key's first child, and so on.
        path = [f"Key{n}"]
        parent = (n - 1) // 10 if n else None
        while parent is not None:
            path.insert(0, f"Key{parent}")
            parent = (parent - 1) // 10 if parent else None
        lines.append(f"[{base}\\" + "\\".join(path) + "]")
        for v in range(VALUES_PER_KEY):
            if v % 2:
                lines.append(f'"Number{v}"=dword:{n * 8 + v:08x}')
            else:
                lines.append(f'"Setting{v}"="C:\\\\Program Files\\\\Product\\\\value {n}.{v}"')
        lines.append("")
    return "\n".join(lines)


def timed(prefix, args, folder):
    """Seconds one command takes; its standard output goes to a file."""
    start = time.perf_counter()
    result = prefix.wine(*args, cwd=folder)
    return time.perf_counter() - start, result.stdout


def measure(prefix, keys, runs, folder):
    prefix.clear_product()
    reg = folder / f"tree{keys}.reg"
    reg.write_text(product_tree(keys), encoding="utf-8")
    for view in prefix.views():
        prefix.import_fixture(reg, view)
    tarquen, reg_query = [], []
    query = ["reg", "query", bench.PRODUCTS, "/s"]
    for _ in range(runs):
        seconds, report = timed(prefix, [str(bench.EXE)], folder)
        tarquen.append(seconds)
        reg_query.append(sum(timed(prefix, query + [view], folder)[0] for view in prefix.views()))
    return statistics.median(tarquen), statistics.median(reg_query), report.count(b"\n")


def cpu_model():
    for line in pathlib.Path("/proc/cpuinfo").read_text().splitlines():
        if line.startswith("model name"):
            return line.split(":", 1)[1].strip()
    return platform.machine()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--sizes", default="100,1000,10000")
    args = parser.parse_args()

    prefix = bench.Prefix("win64", bench.PREFIXES / "bench-win64")
    prefix.create()
    wine = subprocess.run(["wine", "--version"], capture_output=True, text=True).stdout.strip()
    print(f"{time.strftime('%Y-%m-%d')}, {cpu_model()}, {os.cpu_count()} cores, {wine}, "
          f"{args.runs} runs each, medians of the wall-clock time")
    print()
    print("| keys | report lines | Tarquen.exe | reg query /s, both views | ratio |")
    print("|---:|---:|---:|---:|---:|")
    with tempfile.TemporaryDirectory() as folder:
        for keys in map(int, args.sizes.split(",")):
            ours, theirs, lines = measure(prefix, keys, args.runs, pathlib.Path(folder))
            print(f"| {keys:,} | {lines:,} | {ours:.2f} s | {theirs:.2f} s | {ours / theirs:.2f}x |",
                  flush=True)
    prefix.clear_product()


if __name__ == "__main__":
    main()
