#!/usr/bin/env python3
"""CPU used while idle: starts the real game and the bare window side by
side, lets them settle, then reads their CPU time over a quiet stretch.
  ticks    utime+stime from /proc/PID/stat (clock ticks)
  sched    time on CPU from /proc/PID/schedstat (nanoseconds, finer)
  wakeups  voluntary context switches, i.e. times the process slept and woke
  VmHWM    peak resident memory at the end
"""
import argparse
import os
import subprocess
import time

import benchenv

TICK = os.sysconf("SC_CLK_TCK")


def sample(pid):
    with open(f"/proc/{pid}/stat") as f:
        # Fields after the command name, which may hold spaces.
        fields = f.read().rsplit(")", 1)[1].split()
    with open(f"/proc/{pid}/schedstat") as f:
        sched_ns = int(f.read().split()[0])
    status = {}
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            key, _, value = line.partition(":")
            status[key] = value.split()
    return {
        "ticks": int(fields[11]) + int(fields[12]),  # utime + stime
        "sched_ns": sched_ns,
        "wakeups": int(status["voluntary_ctxt_switches"][0]),
        "hwm_kb": int(status["VmHWM"][0]),
        "wall": time.monotonic(),
    }


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--bare", required=True, help="the plain bare window")
    parser.add_argument("--game", required=True, help="the shipped game")
    parser.add_argument("--cwd", required=True, help="the game's folder")
    parser.add_argument("--platform", default="xcb")
    parser.add_argument("--settle", type=float, default=5)
    parser.add_argument("--seconds", type=float, default=60)
    args = parser.parse_args()
    benchenv.absolute_paths(args)
    env = benchenv.qt_env(args.platform)
    procs = {name: subprocess.Popen([exe], cwd=args.cwd, env=env,
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
             for name, exe in (("bare", args.bare), ("lecture", args.game))}
    try:
        time.sleep(args.settle)
        first = {name: sample(p.pid) for name, p in procs.items()}
        time.sleep(args.seconds)
        last = {name: sample(p.pid) for name, p in procs.items()}
    finally:
        for p in procs.values():
            p.terminate()
        for p in procs.values():
            p.wait(timeout=10)

    print(f"idle, {args.platform}, {args.seconds:.0f} s after {args.settle:.0f} s to settle")
    print(f"{'':9}{'ticks':>7}{'CPU %':>8}{'sched ms':>10}{'CPU %':>8}{'wakeups/s':>11}{'VmHWM MiB':>11}")
    for name in procs:
        a, b = first[name], last[name]
        wall = b["wall"] - a["wall"]
        ticks = b["ticks"] - a["ticks"]
        sched_ms = (b["sched_ns"] - a["sched_ns"]) / 1e6
        print(f"{name:9}{ticks:7d}{100 * ticks / TICK / wall:8.3f}{sched_ms:10.1f}"
              f"{sched_ms / 10 / wall:8.3f}{(b['wakeups'] - a['wakeups']) / wall:11.1f}{b['hwm_kb'] / 1024:11.1f}")


if __name__ == "__main__":
    main()
