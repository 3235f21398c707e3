#!/usr/bin/env bash
# Runs the benchmark on its own X server: start-up to the first frame and peak memory of the
# exam program against a bare Qt window, side by side, then the timings inside the program.
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
trap 'kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null || true; rm -rf "$rt"' EXIT
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

: >/tmp/bench-bare.$$; : >/tmp/bench-exam.$$
for _ in $(seq 2); do measure "$dir/bench_barewindow" >/dev/null; measure "$dir/bench_examstart" >/dev/null; done # warm caches
for _ in $(seq "$runs"); do
  measure "$dir/bench_barewindow" >>/tmp/bench-bare.$$
  measure "$dir/bench_examstart" >>/tmp/bench-exam.$$
done
bt=$(cut -d' ' -f1 /tmp/bench-bare.$$ | median); et=$(cut -d' ' -f1 /tmp/bench-exam.$$ | median)
bm=$(cut -d' ' -f2 /tmp/bench-bare.$$ | median); em=$(cut -d' ' -f2 /tmp/bench-exam.$$ | median)
rm -f /tmp/bench-bare.$$ /tmp/bench-exam.$$

echo "Machine: $(nproc) cores, $(awk '/MemTotal/ {printf "%.0f GiB", $2/1048576}' /proc/meminfo), $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'); Xvfb $size at scale $scale; $runs runs each, medians"
awk -v et="$et" -v bt="$bt" -v em="$em" -v bm="$bm" 'BEGIN {
  printf "start-up to first frame    exam %7.1f ms   bare window %7.1f ms   ratio %.2f\n", et, bt, et / bt
  printf "peak resident memory       exam %7.1f MiB  bare window %7.1f MiB  ratio %.2f\n", em / 1024, bm / 1024, em / bm
}'
"$dir/bench_timings"
"$dir/bench_journal"
