#!/usr/bin/env python3
"""The whole `pmsect-cli check --loads` process on the default project (`pmsect-cli new`): wall
and CPU time for 1, 2 and all threads with 10,000 loads, loads per second per core, and the peak
memory with 100,000 loads. The loads are the same every run (a fixed seed): compression from
-600 to tension of 150 kips, moments of up to 150 and 100 kip-ft about x and y, each with an id.
    bench/load_file_bench.py PMSECT_CLI [--loads 10000] [--memory-loads 100000] [--runs 5]"""
import argparse
import os
import random
import statistics
import subprocess
import tempfile
import time


def write_loads(path, count):
    rng = random.Random(15)
    with open(path, "w") as f:
        f.write("id,Pu,Mux,Muy\n")
        for i in range(count):
            f.write("L%d,%.2f,%.2f,%.2f\n" % (i + 1, rng.uniform(-600, 150),
                                               rng.uniform(-150, 150), rng.uniform(-100, 100)))


def run(cli, project, loads, threads):
    """Wall seconds, CPU seconds (user + system) and peak resident memory in MB of one run."""
    start = time.perf_counter()
    child = subprocess.Popen([cli, "check", project, "--loads", loads, "--json", "--threads",
                              str(threads)], stdout=subprocess.DEVNULL)
    _, status, usage = os.wait4(child.pid, 0)
    wall = time.perf_counter() - start
    code = os.waitstatus_to_exitcode(status)
    if code not in (0, 1):
        raise SystemExit("pmsect-cli ended with %d" % code)
    return wall, usage.ru_utime + usage.ru_stime, usage.ru_maxrss / 1024.0


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("cli")
    parser.add_argument("--loads", type=int, default=10000)
    parser.add_argument("--memory-loads", type=int, default=100000)
    parser.add_argument("--runs", type=int, default=5)
    args = parser.parse_args()
    cores = os.cpu_count()
    with tempfile.TemporaryDirectory() as scratch:
        project = os.path.join(scratch, "default.rcs")
        subprocess.run([args.cli, "new", project], check=True)
        loads = os.path.join(scratch, "loads.csv")
        write_loads(loads, args.loads)
        print("load average before: %s" % open("/proc/loadavg").read().strip())
        print("| threads | wall (s), median of %d | CPU (s) | loads/s per core | peak memory (MB) |"
              % args.runs)
        print("| --- | --- | --- | --- | --- |")
        for threads in sorted({1, 2, cores}):
            runs = [run(args.cli, project, loads, threads) for _ in range(args.runs)]
            wall = statistics.median(r[0] for r in runs)
            cpu = statistics.median(r[1] for r in runs)
            memory = max(r[2] for r in runs)
            print("| %d | %.3f (%.3f-%.3f) | %.3f | %.0f | %.1f |" % (
                threads, wall, min(r[0] for r in runs), max(r[0] for r in runs), cpu,
                args.loads / cpu, memory))
        big = os.path.join(scratch, "big.csv")
        write_loads(big, args.memory_loads)
        wall, cpu, memory = run(args.cli, project, big, cores)
        print("%d loads, %d threads: wall %.2f s, CPU %.2f s, peak memory %.1f MB" % (
            args.memory_loads, cores, wall, cpu, memory))
        print("load average after: %s" % open("/proc/loadavg").read().strip())


if __name__ == "__main__":
    main()
