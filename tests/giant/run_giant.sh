#!/usr/bin/env bash
# run_giant.sh TOOL GEN STREAM_CMP SHAPE N WORKDIR [DIVISOR]
#
# Runs the real executable on one giant shape written by cullsrc_gen and
# compares its standard output and its output file with the results the
# generator derives for that shape; the status must be 0.
# N is divided by $CULLSRC_GIANT_SCALE when set, else by DIVISOR (default
# 1), so that sanitizer builds can run the same shapes smaller; DIVISOR
# "fixed" keeps N as given.
set -u

tool=$1 gen=$2 stream_cmp=$3 shape=$4 n=$5 work=$6
if [[ ${7:-1} == fixed ]]; then
  div=1
else
  div=${CULLSRC_GIANT_SCALE:-${7:-1}}
fi
n=$(( n / div ))
(( n >= 1 )) || n=1

dir=$work/$shape-$n
rm -rf "$dir"
mkdir -p "$dir" || exit 1

fail() {
  echo "FAIL $shape $n: $*"
  echo "reproduce:"
  echo "  $gen $shape $n --input $dir/input.cpp --stdout $dir/expected.stdout --output $dir/expected.cpp"
  echo "  $tool $dir/input.cpp $dir/output.cpp > $dir/actual.stdout; echo \$?"
  echo "  $stream_cmp $dir/expected.stdout $dir/actual.stdout; $stream_cmp $dir/expected.cpp $dir/output.cpp"
  exit 1
}

"$gen" "$shape" "$n" --input "$dir/input.cpp" --output "$dir/expected.cpp" || fail "generator failed"

# The expected standard output can be far larger than the disk (the dump of
# deep nesting grows with the square of the depth), so both sides go through
# FIFOs into the comparison.
mkfifo "$dir/expected.fifo" "$dir/actual.fifo" || exit 1
"$gen" "$shape" "$n" --stdout "$dir/expected.fifo" &
gen_pid=$!
/usr/bin/time -v -o "$dir/time.txt" "$tool" "$dir/input.cpp" "$dir/output.cpp" > "$dir/actual.fifo" &
tool_pid=$!
"$stream_cmp" "$dir/expected.fifo" "$dir/actual.fifo"
cmp_rc=$?
# After a difference neither writer has a reader any more.
if (( cmp_rc != 0 )); then
  kill "$gen_pid" 2>/dev/null
fi
wait "$tool_pid"
tool_rc=$?
wait "$gen_pid" 2>/dev/null

rss=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$dir/time.txt" 2>/dev/null)
wall=$(sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' "$dir/time.txt" 2>/dev/null)
echo "$shape $n: input $(stat -c %s "$dir/input.cpp") bytes, status $tool_rc, wall $wall, max RSS ${rss:-?} kB"

if (( cmp_rc != 0 )); then
  fail "standard output differs from the expected one (status $tool_rc)"
fi
if (( tool_rc != 0 )); then
  grep -E 'signal|Exit status' "$dir/time.txt"
  fail "exit status $tool_rc, expected 0"
fi
"$stream_cmp" "$dir/expected.cpp" "$dir/output.cpp" || fail "output file differs from the expected one"

rm -rf "$dir"
echo "PASS $shape $n"
