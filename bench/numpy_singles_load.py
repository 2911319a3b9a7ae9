#!/usr/bin/python3
"""The yardstick for the singles reader: a vectorised numpy read of a fixed-width singles file
(11 digits, 10 commas, CR LF a line), reshaped and packed into single numbers, no validation.

    /usr/bin/python3 bench/numpy_singles_load.py FILE [REPEATS]

Prints the median milliseconds of REPEATS reads (default 20) and the single count.
"""
import sys
import time

import numpy as np

WEIGHTS = 3 ** np.arange(11, dtype=np.int32)


def load(path):
    raw = np.fromfile(path, dtype=np.uint8)
    digits = raw.reshape(-1, 23)[:, 0:21:2].astype(np.int32) - ord("0")
    return digits @ WEIGHTS


def main():
    path = sys.argv[1]
    repeats = int(sys.argv[2]) if len(sys.argv) > 2 else 20
    times = []
    for _ in range(repeats):
        start = time.perf_counter()
        singles = load(path)
        times.append(time.perf_counter() - start)
    times.sort()
    print(f"numpy load: {times[len(times) // 2] * 1e3:.2f} ms median of {repeats}, {len(singles)} singles")


if __name__ == "__main__":
    main()
