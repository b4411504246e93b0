#!/usr/bin/env python3
"""Time from process start to the first painted board, and peak memory.

Runs each program (built with the first-paint probe) N times, interleaved
so that a change in the machine's load hits both alike, and prints medians:
  init   process start -> QApplication being built (loading, static init)
  shown  process start -> main window built and being shown
  paint  process start -> board painted and flushed
  hwm    peak resident memory at that moment (VmHWM)
  cpu    CPU time of the whole run, user and system
"""
import argparse
import os
import statistics
import subprocess
import time

import benchenv


KEYS = ("init", "shown", "paint", "hwm", "cpu")


def run_once(exe, cwd, env):
    start = time.monotonic_ns()
    child = subprocess.Popen([exe], cwd=cwd, env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    stdout = child.stdout.read()
    # wait4 gives this child's own CPU time, however many runs came before.
    _, status, usage = os.wait4(child.pid, 0)
    child.returncode = os.waitstatus_to_exitcode(status)
    if child.returncode != 0:
        raise subprocess.CalledProcessError(child.returncode, exe)
    fields = dict(item.split("=", 1) for item in stdout.split())
    return {
        "init": (int(fields["app_ns"]) - start) / 1e6,
        "shown": (int(fields["show_ns"]) - start) / 1e6,
        "paint": (int(fields["firstpaint_ns"]) - start) / 1e6,
        "hwm": int(fields["vmhwm_kb"]) / 1024,
        "cpu": (usage.ru_utime + usage.ru_stime) * 1000,
    }


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--bare", required=True, help="bare window with the probe")
    parser.add_argument("--game", required=True, help="the game with the probe")
    parser.add_argument("--cwd", required=True, help="the game's folder (images/ inside)")
    parser.add_argument("--platform", default="xcb")
    parser.add_argument("--runs", type=int, default=20)
    parser.add_argument("--labels", default="bare,lecture",
                        help="names of the two programs (e.g. before,after when comparing two builds)")
    args = parser.parse_args()
    benchenv.absolute_paths(args)
    env = benchenv.qt_env(args.platform)
    first, second = args.labels.split(",")
    programs = {first: args.bare, second: args.game}
    samples = {name: [] for name in programs}
    # One unmeasured run each, so that both start with a warm page cache.
    for exe in programs.values():
        run_once(exe, args.cwd, env)
    for _ in range(args.runs):
        for name, exe in programs.items():
            samples[name].append(run_once(exe, args.cwd, env))

    medians = {name: {key: statistics.median(s[key] for s in runs) for key in KEYS}
               for name, runs in samples.items()}
    print(f"start-up, {args.platform}, median of {args.runs} runs")
    columns = [("init ms", lambda m: m["init"]), ("shown ms", lambda m: m["shown"]),
               ("paint ms", lambda m: m["paint"]), ("paint-init", lambda m: m["paint"] - m["init"]),
               ("VmHWM MiB", lambda m: m["hwm"]), ("CPU ms", lambda m: m["cpu"])]
    print(f"{'':9}" + "".join(f"{title:>11}" for title, _ in columns))
    for name, m in medians.items():
        print(f"{name:9}" + "".join(f"{value(m):11.1f}" for _, value in columns))
    bare, game = medians[first], medians[second]
    print(f"{'ratio':9}" + "".join(f"{value(game) / value(bare):11.2f}" for _, value in columns))


if __name__ == "__main__":
    main()
