#!/usr/bin/env python3
"""Times whole processes, interleaved, and prints each one's median against the first (the
baseline): wall time from start to exit, and peak resident memory.

  bench_load.py [--runs N] BASELINE CANDIDATE...

Interleaving (A B A B ...) keeps a machine's drift out of the ratio; a first round that warms
the page cache is not counted."""
import argparse
import os
import statistics
import subprocess
import sys
import time


def run(binary):
    start = time.perf_counter()
    process = subprocess.Popen([binary], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(process.pid, 0)
    elapsed = time.perf_counter() - start
    if status != 0:
        sys.exit(f"{binary} failed with status {status}")
    return elapsed, usage.ru_maxrss  # kilobytes on Linux


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--runs', type=int, default=15)
    parser.add_argument('binaries', nargs='+')
    args = parser.parse_args()
    os.environ.setdefault('QT_QPA_PLATFORM', 'offscreen')
    for binary in args.binaries:
        run(binary)
    times = {b: [] for b in args.binaries}
    peaks = {b: [] for b in args.binaries}
    for i in range(args.runs):
        order = args.binaries if i % 2 == 0 else list(reversed(args.binaries))
        for binary in order:
            elapsed, peak = run(binary)
            times[binary].append(elapsed)
            peaks[binary].append(peak)
    base = args.binaries[0]
    base_time = statistics.median(times[base])
    base_peak = statistics.median(peaks[base])
    for binary in args.binaries:
        t = statistics.median(times[binary])
        p = statistics.median(peaks[binary])
        # The ratio within each round, where both ran seconds apart, is steadier than the ratio of
        # the medians when the machine's speed drifts; its quartiles say how far to trust it.
        ratios = sorted(c / b for c, b in zip(times[binary], times[base]))
        q1, q2, q3 = statistics.quantiles(ratios, n=4) if len(ratios) > 1 else ratios * 3
        print(f"{os.path.basename(binary):24} median {t * 1000:7.1f} ms  {t / base_time:5.2f}x"
              f"   per round {q2:5.2f}x [{q1:4.2f} {q3:4.2f}]"
              f"   peak {p / 1024:6.1f} MiB  {(p - base_peak) / 1024:+5.1f} MiB   ({args.runs} runs)")


if __name__ == '__main__':
    main()
