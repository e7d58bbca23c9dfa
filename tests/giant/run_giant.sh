#!/usr/bin/env bash
# run_giant.sh TOOL GEN SHAPE N WORKDIR [DIVISOR]
#
# Runs the real executable on one giant shape written by cullsrc_gen and
# compares, as streams, its standard output and its output file with the
# results the generator derives for that shape; the status must be 0.
# N is divided by $CULLSRC_GIANT_DIVISOR when set, else by DIVISOR (default
# 1), so that sanitizer builds can run the same shapes smaller; DIVISOR
# "fixed" keeps N as given.
set -u

tool=$1 gen=$2 shape=$3 n=$4 work=$5
if [[ ${6:-1} == fixed ]]; then
  div=1
else
  div=${CULLSRC_GIANT_DIVISOR:-${6:-1}}
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
  echo "  cmp $dir/expected.stdout $dir/actual.stdout; cmp $dir/expected.cpp $dir/output.cpp"
  exit 1
}

"$gen" "$shape" "$n" --input "$dir/input.cpp" --output "$dir/expected.cpp" || fail "generator failed"

# The expected standard output can be far larger than the disk (the dump of
# deep nesting grows with the square of the depth), so both sides go through
# FIFOs into cmp.
mkfifo "$dir/expected.fifo" "$dir/actual.fifo" || exit 1
"$gen" "$shape" "$n" --stdout "$dir/expected.fifo" &
gen_pid=$!
/usr/bin/time -v -o "$dir/time.txt" "$tool" "$dir/input.cpp" "$dir/output.cpp" > "$dir/actual.fifo" &
tool_pid=$!
cmp "$dir/expected.fifo" "$dir/actual.fifo"
cmp_rc=$?
wait "$tool_pid"
tool_rc=$?
wait "$gen_pid"

rss=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$dir/time.txt" 2>/dev/null)
wall=$(sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' "$dir/time.txt" 2>/dev/null)
echo "$shape $n: input $(stat -c %s "$dir/input.cpp") bytes, status $tool_rc, wall $wall, max RSS ${rss:-?} kB"

(( tool_rc == 0 )) || { grep -i -E 'signal|status' "$dir/time.txt"; fail "exit status $tool_rc, expected 0"; }
(( cmp_rc == 0 )) || fail "standard output differs from the expected one"
cmp "$dir/expected.cpp" "$dir/output.cpp" || fail "output file differs from the expected one"

rm -rf "$dir"
echo "PASS $shape $n"
