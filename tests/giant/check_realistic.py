#!/usr/bin/env python3
"""check_realistic.py TOOL GEN BYTES WORKDIR [DIVISOR]

Runs the real executable on a realistic generated program (the benchmark's
input) and checks what holds for any accepted input: the status is 0, the
standard output ends with the dump of an executed global scope followed by
nothing but report lines, and the output file is the input with exactly the
reported ranges overwritten by 0xFE under the fill rule (each line keeps its
length; a part of a range outside 0 <= from < to <= length changes nothing),
plus the final line end. BYTES is divided like the other giant sizes.
"""

import os
import re
import shutil
import subprocess
import sys

FILL = 0xFE
REPORT = re.compile(rb"^unused (variable|function): (\w+) from \((\d+),(\d+)\) to \((\d+),(\d+)\)$")


def fill(line, start, end):
    if 0 <= start < end <= len(line):
        line[start:end] = bytes([FILL]) * (end - start)


def main():
    tool, gen, size, work = sys.argv[1:5]
    arg = sys.argv[5] if len(sys.argv) > 5 else "1"
    divisor = int(os.environ.get("CULLSRC_GIANT_SCALE") or arg)
    size = max(1000, int(size) // divisor)
    d = os.path.join(work, f"realistic-{size}")
    shutil.rmtree(d, ignore_errors=True)
    os.makedirs(d)
    inp, out = os.path.join(d, "input.cpp"), os.path.join(d, "output.cpp")
    subprocess.run([gen, "realistic", str(size), "--input", inp], check=True)
    result = subprocess.run([tool, inp, out], stdout=subprocess.PIPE)
    problems = []
    if result.returncode != 0:
        problems.append(f"status {result.returncode}; stdout ends with {result.stdout[-300:]!r}")
    else:
        stdout = result.stdout.split(b"\n")
        assert stdout[-1] == b""
        stdout.pop()
        # The dump's closing line is the last line that is exactly "}".
        close = max(i for i, l in enumerate(stdout) if l == b"}")
        opening = [i for i, l in enumerate(stdout) if l == b"CONTEXT  EXECUTED {"]
        if not opening:
            problems.append("no dump of an executed global scope")
        lines = [bytearray(l) for l in open(inp, "rb").read().split(b"\n")]
        expected_lines = [bytearray(l) for l in lines]
        reports = 0
        for l in stdout[close + 1:]:
            m = REPORT.match(l)
            if not m:
                problems.append(f"not a report line after the dump: {l[:200]!r}")
                break
            reports += 1
            sl, sc, el, ec = (int(x) for x in m.groups()[2:])
            if (sl, sc) > (el, ec):
                problems.append(f"range starts after its end: {l!r}")
                continue
            if sl == el:
                fill(expected_lines[sl], sc, ec)
            else:
                fill(expected_lines[sl], sc, len(expected_lines[sl]))
                for i in range(sl + 1, el):
                    fill(expected_lines[i], 0, len(expected_lines[i]))
                fill(expected_lines[el], 0, ec)
        expected = b"".join(bytes(l) + b"\n" for l in expected_lines)
        actual = open(out, "rb").read()
        if actual != expected:
            at = next((i for i, (a, b) in enumerate(zip(actual, expected)) if a != b), min(len(actual), len(expected)))
            line = expected.count(b"\n", 0, at) + 1
            problems.append(f"output file differs from the input blanked by the report, first at byte {at} (line {line})")
        if reports == 0:
            problems.append("the report is empty; the program is meant to have dead code")
        print(f"realistic {size}: {os.path.getsize(inp)} bytes, {reports} report lines")
    if problems:
        for p in problems:
            print("FAIL", p)
        print(f"reproduce: {gen} realistic {size} --input {inp}; {tool} {inp} {out}")
        return 1
    shutil.rmtree(d, ignore_errors=True)
    print(f"PASS realistic {size}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
