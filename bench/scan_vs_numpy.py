#!/usr/bin/env python3
"""zelmara-scan against the NumPy script at the finest step with every coefficient zero
(1,801,000 rows): checks that both print the same bytes, then prints the best wall time and
the peak resident memory of each (stdout to /dev/null), and the ratio, for the default order
and for --ascending. It prints figures only; it never fails on a slow result.

Usage: python3 bench/scan_vs_numpy.py build/release/cli/zelmara-scan [runs]
(python3 with NumPy and GNU time: Debian's python3-numpy and time)."""

import os
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ARGUMENTS = ["--precision", "0.0001"]


def best_run(command, runs):
    """Best wall time in seconds and largest peak resident memory in MB over runs. The peak is
    taken by GNU time: a child of this process would report this process's own peak as well."""
    best, peak = float("inf"), 0.0
    with tempfile.NamedTemporaryFile("r") as memory, open(os.devnull, "wb") as null:
        for _ in range(runs):
            start = time.perf_counter()
            subprocess.run(["/usr/bin/time", "-f", "%M", "-o", memory.name] + command, stdout=null, check=True)
            best = min(best, time.perf_counter() - start)
            memory.seek(0)
            peak = max(peak, int(memory.read().split()[-1]) / 1024.0)
    return best, peak


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    scan = os.path.abspath(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 7
    script = [sys.executable, os.path.join(HERE, "numpy_scan.py")]

    for order in ([], ["--ascending"]):
        ours = [scan] + ARGUMENTS + order
        theirs = script + ARGUMENTS + order
        same = subprocess.run(ours, capture_output=True, check=True).stdout == \
            subprocess.run(theirs, capture_output=True, check=True).stdout
        scan_time, scan_memory = best_run(ours, runs)
        numpy_time, numpy_memory = best_run(theirs, runs)
        name = " ".join(["zelmara-scan"] + ARGUMENTS + order)
        print(f"{name}: best of {runs} runs, output {'identical' if same else 'DIFFERENT'}")
        print(f"  zelmara-scan  {scan_time * 1e3:8.1f} ms  peak {scan_memory:6.1f} MB")
        print(f"  NumPy script  {numpy_time * 1e3:8.1f} ms  peak {numpy_memory:6.1f} MB")
        print(f"  ratio NumPy / zelmara-scan  {numpy_time / scan_time:6.1f}  (target >= 10)")


main()
