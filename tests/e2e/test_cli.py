#!/usr/bin/env python3
"""Command-line behaviours of cullsrc: argument count and file failures.

Usage: test_cli.py <cullsrc executable>

Each row of CASES runs the tool once in a fresh temporary directory (the
working directory), then checks standard output, the exit status and which
files exist afterwards. Permission-denied cases are left out: the tests run
as root, where permissions do not stop the tool.
"""
import os
import subprocess
import sys
import tempfile

USAGE = b"Usage: cullsrc input.cpp output.cpp\n"

SMALL_INPUT = b"int main() { return 0; }\n"
SMALL_STDOUT = (
    b"CONTEXT  EXECUTED {\n"
    b"  VARIABLES: \n"
    b"  REFERENCES: \n"
    b"  CALLS: \n"
    b"  CONTEXT main EXECUTED {\n"
    b"    VARIABLES: \n"
    b"    REFERENCES: \n"
    b"    CALLS: \n"
    b"    CONTEXT  EXECUTED {\n"
    b"      VARIABLES: \n"
    b"      REFERENCES: \n"
    b"      CALLS: \n"
    b"    }\n"
    b"  }\n"
    b"}\n"
)
SMALL_OUTPUT = SMALL_INPUT + b"\n"

ABSENT = object()  # marks a path that must not exist afterwards
DIRECTORY = object()  # marks a directory to create beforehand


def make_link(tmp):
    os.link(os.path.join(tmp, "in.cpp"), os.path.join(tmp, "alias.cpp"))


# Each row: name, files to lay out before the run (path -> bytes or DIRECTORY),
# an optional extra set-up step, the arguments, the expected standard output
# (exact bytes, or a tuple of accepted alternatives), whether only the last
# line of standard output is compared, the expected status, and the files to
# check afterwards (path -> exact bytes, or ABSENT).
CASES = [
    ("no arguments", {}, None, [], USAGE, False, 1, {"out.cpp": ABSENT}),
    ("one argument", {}, None, ["only.cpp"], USAGE, False, 1, {"only.cpp": ABSENT}),
    ("one existing argument", {"in.cpp": SMALL_INPUT}, None, ["in.cpp"], USAGE, False, 1,
     {"in.cpp": SMALL_INPUT}),
    ("extra arguments ignored", {"in.cpp": SMALL_INPUT}, None,
     ["in.cpp", "out.cpp", "third.cpp", "--fourth"], SMALL_STDOUT, False, 0,
     {"out.cpp": SMALL_OUTPUT, "third.cpp": ABSENT, "in.cpp": SMALL_INPUT}),
    ("missing input", {}, None, ["missing.cpp", "out.cpp"],
     b"cullsrc: cannot open input file 'missing.cpp': No such file or directory\n", False, 1,
     {"out.cpp": ABSENT}),
    ("input is a directory", {"adir": DIRECTORY}, None, ["adir", "out.cpp"],
     b"cullsrc: cannot open input file 'adir': Is a directory\n", False, 1,
     {"out.cpp": ABSENT}),
    ("output is the input", {"in.cpp": SMALL_INPUT}, None, ["in.cpp", "in.cpp"],
     b"cullsrc: input and output are the same file: 'in.cpp'\n", False, 1,
     {"in.cpp": SMALL_INPUT}),
    # Another spelling of the same file: which of the two paths the message
    # names is not fixed, so both are accepted.
    ("output is the input through a hard link", {"in.cpp": SMALL_INPUT}, make_link,
     ["in.cpp", "alias.cpp"],
     (b"cullsrc: input and output are the same file: 'alias.cpp'\n",
      b"cullsrc: input and output are the same file: 'in.cpp'\n"), False, 1,
     {"in.cpp": SMALL_INPUT, "alias.cpp": SMALL_INPUT}),
    ("output in a missing directory", {"in.cpp": SMALL_INPUT}, None, ["in.cpp", "nodir/out.cpp"],
     b"cullsrc: cannot open output file 'nodir/out.cpp': No such file or directory\n", False, 1,
     {"nodir": ABSENT}),
    ("output cannot be written", {"in.cpp": SMALL_INPUT}, None, ["in.cpp", "/dev/full"],
     b"cullsrc: cannot write output file '/dev/full': No space left on device\n", True, 1, {}),
]


def last_line(data):
    lines = data.splitlines(keepends=True)
    return lines[-1] if lines else b""


def run_row(exe, row):
    name, layout, setup, args, want_stdout, last_only, want_status, after = row
    if "/dev/full" in args and not os.path.exists("/dev/full"):
        return ["/dev/full is missing"], True
    problems = []
    with tempfile.TemporaryDirectory(prefix="cullsrc-cli-") as tmp:
        for path, content in layout.items():
            full = os.path.join(tmp, path)
            if content is DIRECTORY:
                os.mkdir(full)
            else:
                with open(full, "wb") as f:
                    f.write(content)
        if setup:
            setup(tmp)
        proc = subprocess.run([exe] + args, cwd=tmp, stdin=subprocess.DEVNULL,
                              capture_output=True, timeout=60)
        if proc.returncode != want_status:
            problems.append(f"exit status: expected {want_status}, got {proc.returncode}")
        got = last_line(proc.stdout) if last_only else proc.stdout
        accepted = want_stdout if isinstance(want_stdout, tuple) else (want_stdout,)
        if got not in accepted:
            label = "last line of standard output" if last_only else "standard output"
            problems.append(f"{label}:\n  expected: {' or '.join(repr(a) for a in accepted)}\n"
                            f"  actual:   {got!r}")
        if proc.stderr:
            problems.append(f"standard error should stay empty, got {proc.stderr[:300]!r}")
        for path, content in after.items():
            full = os.path.join(tmp, path)
            if content is ABSENT:
                if os.path.lexists(full):
                    problems.append(f"{path} should not exist")
            elif not os.path.isfile(full):
                problems.append(f"{path} is missing")
            else:
                with open(full, "rb") as f:
                    data = f.read()
                if data != content:
                    problems.append(f"{path}: expected {content!r}, got {data!r}")
        if not args or len(args) == 1:
            # Nothing at all may be created with too few arguments.
            created = sorted(set(os.listdir(tmp)) - set(layout))
            if created:
                problems.append(f"files created: {created}")
    return problems, False


def main():
    if len(sys.argv) != 2:
        print("usage: test_cli.py <cullsrc>", file=sys.stderr)
        return 2
    exe = os.path.abspath(sys.argv[1])
    failed = skipped_rows = 0
    for row in CASES:
        problems, skipped = run_row(exe, row)
        if skipped:
            skipped_rows += 1
            print(f"skip {row[0]}: {problems[0]}")
        elif problems:
            failed += 1
            print(f"FAIL {row[0]}")
            for p in problems:
                print("  " + p.replace("\n", "\n  "))
        else:
            print(f"ok {row[0]}")
    print(f"{len(CASES) - failed - skipped_rows} passed, {failed} failed, {skipped_rows} skipped")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
