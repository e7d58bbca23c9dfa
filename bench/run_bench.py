#!/usr/bin/env python3
"""Whole-tool benchmark: throughput, peak memory and the cat floor.

usage: bench/run_bench.py BUILD_DIR [--sizes 10,100] [--repeat 3] [--workdir DIR]

BUILD_DIR is a configured and built tree (it must hold the executables
cullsrc and cullsrc_gen; build with -DCULLSRC_BENCH=ON or with the tests on);
nothing is built here. For each size (in MB, 1 MB = 10^6 bytes) a realistic
program is generated with cullsrc_gen, then, REPEAT times in turn:

  cat INPUT > OUT          the floor: reading and writing the same bytes
  cullsrc INPUT OUT > STDOUT

each under /usr/bin/time -v. The tool's standard output (warnings, dump and
report) goes to a file in the work directory, as it is part of the work the
tool does. Times are wall-clock, the best of REPEAT runs, with the page cache
warm; the CPU column (user + system time, best run) shows how much of the
wall time the tool really ran when other work shares the machine. Peak memory
is the largest maximum resident set size seen. Prints a Markdown table and
the targets: 100 MB within 11 times the 10 MB time, at least 150 MB/s and
within 8 times the cat floor, peak memory at most 6 times the input.
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

MB = 1_000_000


def find_exe(build, name):
    for sub in ("", "bench", "tests/giant"):
        p = os.path.join(build, sub, name)
        if os.path.isfile(p) and os.access(p, os.X_OK):
            return p
    sys.exit(f"run_bench: {name} not found under {build}")


def timed(cmd, stdout_path, time_path):
    """Runs cmd under /usr/bin/time -v; returns (status, wall s, user+system s, max RSS bytes)."""
    with open(stdout_path, "wb") as out:
        t0 = time.perf_counter()
        rc = subprocess.run(["/usr/bin/time", "-v", "-o", time_path] + cmd, stdout=out).returncode
        wall = time.perf_counter() - t0
    text = open(time_path).read()
    m = re.search(r"Maximum resident set size \(kbytes\): (\d+)", text)
    rss = int(m.group(1)) * 1024 if m else 0
    cpu = sum(float(x) for x in re.findall(r"(?:User|System) time \(seconds\): ([\d.]+)", text))
    return rc, wall, cpu, rss


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("build")
    ap.add_argument("--sizes", default="10,100", help="input sizes in MB, comma separated")
    ap.add_argument("--repeat", type=int, default=3)
    ap.add_argument("--workdir", default=None, help="where inputs and outputs go (default: a temp dir)")
    ap.add_argument("--seed", default="1")
    args = ap.parse_args()

    tool = find_exe(args.build, "cullsrc")
    gen = find_exe(args.build, "cullsrc_gen")
    work = args.workdir or tempfile.mkdtemp(prefix="cullsrc-bench-")
    os.makedirs(work, exist_ok=True)
    sizes = [int(s) for s in args.sizes.split(",") if s]

    rows = []
    failed = False
    for size in sizes:
        inp = os.path.join(work, f"input-{size}MB.cpp")
        subprocess.run([gen, "realistic", str(size * MB), "--seed", args.seed, "--input", inp], check=True)
        nbytes = os.path.getsize(inp)
        out_cat = os.path.join(work, f"cat-{size}MB.cpp")
        out_tool = os.path.join(work, f"output-{size}MB.cpp")
        stdout_tool = os.path.join(work, f"stdout-{size}MB.txt")
        tfile = os.path.join(work, "time.txt")
        with open(inp, "rb") as f:  # warm the page cache
            while f.read(1 << 24):
                pass
        best_cat = best_tool = best_cpu = float("inf")
        peak = 0
        for _ in range(args.repeat):
            rc, wall, _, _ = timed(["cat", inp], out_cat, tfile)
            if rc != 0:
                sys.exit("run_bench: cat failed")
            best_cat = min(best_cat, wall)
            rc, wall, cpu, rss = timed([tool, inp, out_tool], stdout_tool, tfile)
            if rc != 0:
                print(f"run_bench: cullsrc exited with {rc} on {inp}; its stdout ends with:", file=sys.stderr)
                subprocess.run(["tail", "-c", "400", stdout_tool])
                failed = True
                break
            best_tool = min(best_tool, wall)
            best_cpu = min(best_cpu, cpu)
            peak = max(peak, rss)
        if failed:
            break
        # Every line is kept at its length and the output gains one final line end.
        if os.path.getsize(out_tool) != nbytes + 1:
            print(f"run_bench: output size {os.path.getsize(out_tool)} for an input of {nbytes}", file=sys.stderr)
            failed = True
        rows.append(dict(size=size, bytes=nbytes, cat=best_cat, tool=best_tool, cpu=best_cpu, rss=peak,
                         stdout=os.path.getsize(stdout_tool)))

    print()
    print(f"cullsrc: {tool}")
    print(f"load average at the end: {os.getloadavg()[0]:.2f} (the machine has {os.cpu_count()} cores)")
    print(f"inputs: cullsrc_gen realistic, seed {args.seed}; best of {args.repeat} runs; warm page cache; "
          f"tool stdout to a file; 1 MB = 10^6 bytes")
    print()
    print("| input | bytes | cat floor (s) | cullsrc (s) | cullsrc CPU (s) | MB/s | × cat | peak RSS (MB) "
          "| RSS / input | stdout (MB) |")
    print("|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|")
    for r in rows:
        print(f"| {r['size']} MB | {r['bytes']:,} | {r['cat']:.3f} | {r['tool']:.3f} | {r['cpu']:.2f} | "
              f"{r['bytes'] / MB / r['tool']:.0f} | {r['tool'] / r['cat']:.1f} | {r['rss'] / MB:.0f} | "
              f"{r['rss'] / r['bytes']:.2f} | {r['stdout'] / MB:.0f} |")
    print()
    if len(rows) >= 2:
        small, big = rows[0], rows[-1]
        ratio = big["tool"] / small["tool"]
        print(f"time {big['size']} MB / {small['size']} MB: {ratio:.2f} "
              f"(input ratio {big['bytes'] / small['bytes']:.2f}; target ≤ 11 for 100/10)")
    for r in rows:
        tput = r["bytes"] / MB / r["tool"]
        print(f"{r['size']} MB: throughput {tput:.0f} MB/s (target ≥ 150) {'ok' if tput >= 150 else 'MISSED'}; "
              f"{r['tool'] / r['cat']:.1f}× cat (target ≤ 8) {'ok' if r['tool'] <= 8 * r['cat'] else 'MISSED'}; "
              f"peak RSS {r['rss'] / r['bytes']:.2f}× input (target ≤ 6) "
              f"{'ok' if r['rss'] <= 6 * r['bytes'] else 'MISSED'}")
    if not args.workdir:
        shutil.rmtree(work, ignore_errors=True)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
