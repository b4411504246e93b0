#!/usr/bin/env python3
"""A whole turn and a judged click in the real window, against the bare cost
of reading and drawing four picture files, all from one run of window_bench
(repetitions interleaved at random, so that load changes hit all alike).
Prints the median wall and CPU time of each benchmark and its ratios to the
two floors: the four pictures drawn off screen (BM_BareFourPictures) and
the same shown in the bare window (BM_BareWindowFourPictures)."""
import argparse
import json
import subprocess

import benchenv


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--bench", required=True, help="window_bench")
    parser.add_argument("--cwd", required=True, help="the game's folder (images/ inside)")
    parser.add_argument("--platform", default="xcb")
    parser.add_argument("--repetitions", type=int, default=10)
    args = parser.parse_args()
    benchenv.absolute_paths(args)
    env = benchenv.qt_env(args.platform)
    out = subprocess.run([args.bench, "--benchmark_format=json",
                          f"--benchmark_repetitions={args.repetitions}",
                          "--benchmark_report_aggregates_only=true",
                          "--benchmark_enable_random_interleaving=true"],
                         cwd=args.cwd, env=env, capture_output=True, text=True, check=True)
    report = json.loads(out.stdout)
    medians = {}
    for b in report["benchmarks"]:
        if b.get("aggregate_name") == "median":
            medians[b["run_name"]] = (b["real_time"], b["cpu_time"])  # microseconds
    off = medians["BM_BareFourPictures"]
    shown = medians["BM_BareWindowFourPictures"]
    load = " ".join(f"{x:.2f}" for x in report["context"].get("load_avg", []))
    print(f"turn, {args.platform}, median of {args.repetitions} repetitions (load {load})")
    print(f"{'':28}{'wall us':>9}{'CPU us':>8}{'wall/off':>10}{'CPU/off':>9}{'wall/shown':>12}{'CPU/shown':>11}")
    for name in sorted(medians):
        wall, cpu = medians[name]
        print(f"{name:28}{wall:9.1f}{cpu:8.1f}{wall / off[0]:10.2f}{cpu / off[1]:9.2f}"
              f"{wall / shown[0]:12.2f}{cpu / shown[1]:11.2f}")


if __name__ == "__main__":
    main()
