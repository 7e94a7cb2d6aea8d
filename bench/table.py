#!/usr/bin/env python3
"""Prints the benchmarks of one run as one table: every figure beside its yardstick and target.

Usage: table.py RESULTS_FOLDER   (the folder holds one Google Benchmark JSON file per binary)"""

import json
import os
import sys


def load(folder):
    results = {}
    for name in sorted(os.listdir(folder)):
        if name.endswith(".json"):
            with open(os.path.join(folder, name)) as f:
                for bench in json.load(f).get("benchmarks", []):
                    results[bench["name"]] = bench
    return results


def find(results, prefix):
    for name, bench in results.items():
        if name.startswith(prefix):
            return bench
    return None


def ms(bench):
    factor = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[bench.get("time_unit", "ns")]
    return bench["real_time"] * factor


# (figure, benchmark name prefix, how to read the value, format, target text, target check)
ROWS = [
    ("Save, 1 GiB of media, throughput vs plain copy", "BM_SaveAndLoad", lambda b: b["save_vs_copy"], "{:.2f}", ">= 0.8", lambda v: v >= 0.8),
    ("Load, 1 GiB of media, throughput vs plain copy", "BM_SaveAndLoad", lambda b: b["load_vs_copy"], "{:.2f}", ">= 0.8", lambda v: v >= 0.8),
    ("Plain copy of the same bytes (yardstick)", "BM_SaveAndLoad", lambda b: b["copy_MiB/s"], "{:.0f} MiB/s", "", None),
    ("Peak memory growth while saving", "BM_SaveAndLoad", lambda b: b["save_peak_MiB"], "{:.2f} MiB", "< 16 MiB", lambda v: v < 16),
    ("Peak memory growth while loading", "BM_SaveAndLoad", lambda b: b["load_peak_MiB"], "{:.2f} MiB", "< 16 MiB", lambda v: v < 16),
    ("Tester open, 1024 x 16, no media", "BM_OpenTestForRun/0", ms, "{:.2f} ms", "", None),
    ("Tester open, 1 GiB in 64 sounds, vs no media", "BM_OpenTestForRun/1", lambda b: b["ratio_to_plain"], "{:.2f}", "< 1.5", lambda v: v < 1.5),
    ("Tester open, 1 GiB in 1024 pictures, vs no media", "BM_OpenTestForRun/2", lambda b: b["ratio_to_plain"], "{:.2f}", "< 1.5", lambda v: v < 1.5),
    ("Tester open, a picture on every item, vs no media", "BM_OpenTestForRun/3", lambda b: b["ratio_to_plain"], "{:.1f}", "< 1.5", lambda v: v < 1.5),
    ("Prepare a 16-variant question with pictures", "BM_PrepareQuestion", ms, "{:.2f} ms", "", None),
    ("Import of a 10 MB text vs plain buffered read", "BM_Import10MB", lambda b: b["import_to_plain_read"], "{:.2f} x", "within 4 x", lambda v: v <= 4),
    ("Export of 1024 questions x 16 variants", "BM_Export1024", ms, "{:.1f} ms", "", None),
    ("RenderPage, 16 variants and a picture", "BM_RenderPage", ms, "{:.2f} ms", "< 5 ms", lambda v: v < 5),
    ("creator start-up to a shown main window", "BM_StartUp/creator", ms, "{:.0f} ms", "< 500 ms", lambda v: v < 500),
    ("tester start-up to a shown main window", "BM_StartUp/tester", ms, "{:.0f} ms", "< 500 ms", lambda v: v < 500),
]


def main():
    results = load(sys.argv[1])
    print("| Figure | Measured | Target | Met |")
    print("|---|---|---|---|")
    for figure, prefix, read, fmt, target, check in ROWS:
        bench = find(results, prefix)
        if bench is None:
            print(f"| {figure} | not measured | {target} | |")
            continue
        value = read(bench)
        met = "" if check is None else ("yes" if check(value) else "NO")
        print(f"| {figure} | {fmt.format(value)} | {target} | {met} |")


if __name__ == "__main__":
    main()
