#!/usr/bin/env python3
"""Start-up of the program against an empty Qt window of the same size, as
whole processes, in turn: CPU time (user and system), wall time, page faults
and peak memory of each start until its first painted window, from the
kernel's own accounts of each child (wait4). Prints the medians and the
median of the pair ratios.

    startup_compare.py PROBE [PAIRS]

PROBE is bench/startup_probe; the platform is Qt's, from QT_QPA_PLATFORM.
"""
import os
import statistics
import subprocess
import sys
import time

probe, pairs = sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 15


def start(what):
    began = time.perf_counter()
    child = subprocess.Popen(["taskset", "-c", "0", probe, what],
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(child.pid, 0)
    wall = time.perf_counter() - began
    if status != 0:
        sys.exit(f"{probe} {what} failed with status {status}")
    return {"CPU ms": (usage.ru_utime + usage.ru_stime) * 1000, "wall ms": wall * 1000,
            "page faults": usage.ru_minflt + usage.ru_majflt, "peak memory MiB": usage.ru_maxrss / 1024}


runs = {"program": [], "empty": []}
for _ in range(pairs):
    for what in runs:
        runs[what].append(start(what))
for measure in runs["program"][0]:
    program = [r[measure] for r in runs["program"]]
    empty = [r[measure] for r in runs["empty"]]
    ratio = statistics.median(p / e for p, e in zip(program, empty))
    print(f"  {measure:16} program {statistics.median(program):8.1f}   empty window "
          f"{statistics.median(empty):8.1f}   ratio {ratio:.3f}")
