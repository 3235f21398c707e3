#!/usr/bin/env bash
# Runs the benchmark on its own X server: start-up to the first frame and peak memory of the
# exam program against a bare Qt window, side by side, and of the exam with a state folder
# holding a whole sitting's journal; then the timings inside the program and the journal's cost.
# SCALE sets the screen's scale factor for all of them (QT_SCALE_FACTOR), as the kiosk session
# does on a large screen.
set -euo pipefail
dir=${1:?usage: bench/run.sh DIR_OF_THE_BENCH_PROGRAMS}
runs=${RUNS:-15}
size=${SCREEN:-1920x1080}
scale=${SCALE:-1}

n=$((150 + $$ % 50))
while [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
Xvfb :$n -screen 0 ${size}x24 -nolisten tcp -dpi 96 >/dev/null 2>&1 &
xvfb=$!
rt=$(mktemp -d)
state=$(mktemp -d "$dir/state-XXXXXX") # on the disk a terminal's state folder would be on
trap 'kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null || true; rm -rf "$rt" "$state"' EXIT
"$dir/bench_journal" "$state"
export DISPLAY=:$n QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$rt QT_SCALE_FACTOR=$scale
for _ in $(seq 100); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.05; done

median() { sort -g | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }

measure() { # program -> "ms kib"
  local out mem
  mem=$(mktemp)
  out=$(BENCH_T0=$(date +%s%N) /usr/bin/time -f %M -o "$mem" "$1")
  echo "$out $(cat "$mem")"
  rm -f "$mem"
}

: >/tmp/bench-bare.$$; : >/tmp/bench-exam.$$; : >/tmp/bench-state.$$
for _ in $(seq 2); do # warm caches
  measure "$dir/bench_barewindow" >/dev/null; measure "$dir/bench_examstart" >/dev/null
  BENCH_STATE=$state measure "$dir/bench_examstart" >/dev/null
done
for _ in $(seq "$runs"); do
  measure "$dir/bench_barewindow" >>/tmp/bench-bare.$$
  measure "$dir/bench_examstart" >>/tmp/bench-exam.$$
  BENCH_STATE=$state measure "$dir/bench_examstart" >>/tmp/bench-state.$$
done
bt=$(cut -d' ' -f1 /tmp/bench-bare.$$ | median); et=$(cut -d' ' -f1 /tmp/bench-exam.$$ | median)
bm=$(cut -d' ' -f2 /tmp/bench-bare.$$ | median); em=$(cut -d' ' -f2 /tmp/bench-exam.$$ | median)
st=$(cut -d' ' -f1 /tmp/bench-state.$$ | median)
rm -f /tmp/bench-bare.$$ /tmp/bench-exam.$$ /tmp/bench-state.$$

echo "Machine: $(nproc) cores, $(awk '/MemTotal/ {printf "%.0f GiB", $2/1048576}' /proc/meminfo), $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'); Xvfb $size at scale $scale; $runs runs each, medians"
awk -v et="$et" -v bt="$bt" -v em="$em" -v bm="$bm" -v st="$st" 'BEGIN {
  printf "start-up to first frame    exam %7.1f ms   bare window %7.1f ms   ratio %.2f\n", et, bt, et / bt
  printf "start-up, state folder     exam %7.1f ms   (its last sitting\x27s journal read; %+.1f ms)\n", st, st - et
  printf "peak resident memory       exam %7.1f MiB  bare window %7.1f MiB  ratio %.2f\n", em / 1024, bm / 1024, em / bm
}'
"$dir/bench_timings"
"$dir/bench_journal"
