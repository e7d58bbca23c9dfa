#!/usr/bin/env python3
"""Run cullsrc on one end-to-end case and compare what it produced.

Usage: run_case.py <cullsrc executable> <case directory>

The case directory holds input.cpp, expected_stdout, expected_output and
expected_status. The tool runs as `<exe> input.cpp <tmpdir>/out.cpp` from the
case directory; standard output, the output file bytes and the exit status
must all match, standard error must stay empty and the input must not change.
"""
import os
import subprocess
import sys
import tempfile


def split_keepends(data):
    return data.splitlines(keepends=True) if data else []


def describe_difference(what, expected, actual):
    """A diff-like message naming the first differing line, bytes via repr."""
    exp_lines = split_keepends(expected)
    act_lines = split_keepends(actual)
    for i in range(max(len(exp_lines), len(act_lines))):
        e = exp_lines[i] if i < len(exp_lines) else None
        a = act_lines[i] if i < len(act_lines) else None
        if e != a:
            return (
                f"{what} differs at line {i + 1} "
                f"(expected {len(exp_lines)} lines / {len(expected)} bytes, "
                f"got {len(act_lines)} lines / {len(actual)} bytes)\n"
                f"  expected: {'<missing>' if e is None else repr(e)}\n"
                f"  actual:   {'<missing>' if a is None else repr(a)}"
            )
    return f"{what} differs"  # not reached: equal line lists mean equal bytes


def read(path):
    with open(path, "rb") as f:
        return f.read()


def main():
    if len(sys.argv) != 3:
        print("usage: run_case.py <cullsrc> <case dir>", file=sys.stderr)
        return 2
    exe, case_dir = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    name = os.path.basename(case_dir)
    input_before = read(os.path.join(case_dir, "input.cpp"))
    expected_stdout = read(os.path.join(case_dir, "expected_stdout"))
    expected_output = read(os.path.join(case_dir, "expected_output"))
    expected_status = int(read(os.path.join(case_dir, "expected_status")).strip())

    with tempfile.TemporaryDirectory(prefix="cullsrc-e2e-") as tmp:
        out_path = os.path.join(tmp, "out.cpp")
        try:
            proc = subprocess.run([exe, "input.cpp", out_path], cwd=case_dir,
                                  stdin=subprocess.DEVNULL, capture_output=True, timeout=60)
        except subprocess.TimeoutExpired:
            print(f"FAIL {name}: no result within 60 s")
            return 1
        output = read(out_path) if os.path.exists(out_path) else None

    failures = []
    if proc.returncode != expected_status:
        failures.append(f"exit status: expected {expected_status}, got {proc.returncode}")
    if proc.stdout != expected_stdout:
        failures.append(describe_difference("standard output", expected_stdout, proc.stdout))
    if output is None:
        failures.append("output file was not created")
    elif output != expected_output:
        failures.append(describe_difference("output file", expected_output, output))
    if proc.stderr:
        failures.append(f"standard error should stay empty, got {proc.stderr[:500]!r}")
    if read(os.path.join(case_dir, "input.cpp")) != input_before:
        failures.append("input.cpp was modified")

    if failures:
        print(f"FAIL {name}")
        for f in failures:
            print(f)
        return 1
    print(f"ok {name}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
