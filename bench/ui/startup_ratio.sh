#!/usr/bin/env bash
# Start-up of the editor on a settings file against a bare Qt window with an
# 8192-row table reading the same file (bare_window): both are started
# alternately RUNS times (default 9) on one X display, each timed from the
# start of the process until its window is mapped (polling xdotool search
# every few milliseconds; its --sync waits half a second between looks).
# The CPU time its main thread has used by then is read with it (less
# noisy than the wall clock on a busy machine). Its peak memory (VmHWM) is
# read half a second later, so it includes the first paint and whatever the
# program defers to its first idle moments. Prints the medians and the
# ratios. Without a display it runs itself under xvfb-run, on a server that
# does not reset when a program leaves (it would refuse the next one while
# it resets).
#
#   bench/ui/startup_ratio.sh BUILD_DIR FILE.bin [RUNS]
set -euo pipefail

build=${1:?usage: startup_ratio.sh BUILD_DIR FILE.bin [RUNS]}
file=${2:?usage: startup_ratio.sh BUILD_DIR FILE.bin [RUNS]}
runs=${3:-9}
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1600x1000x24 -noreset" "$0" "$@"
fi
editor=$build/src/ui/app/vqchanneleditor
bare=$build/bench/ui/bare_window
for program in "$editor" "$bare"; do
  [ -x "$program" ] || { echo "startup_ratio: $program not built" >&2; exit 2; }
done
# The X server may still be starting; wait up to five seconds for it.
for ((wait = 0; wait < 100; ++wait)); do
  xdotool getdisplaygeometry >/dev/null 2>&1 && break
  sleep 0.05
done
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Prints "MILLISECONDS KILOBYTES CPU_MILLISECONDS" for one start of the command.
time_start() {
  local start end pid peak
  start=$(date +%s%N)
  "$@" >/dev/null 2>"$scratch/stderr" &
  pid=$!
  until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do
    if ! kill -0 "$pid" 2>/dev/null; then
      echo "startup_ratio: $1 ended without a window:" >&2
      cat "$scratch/stderr" >&2
      exit 1
    fi
    sleep 0.002
  done
  end=$(date +%s%N)
  cpu=$(awk '{printf "%d", $1 / 1000000}' "/proc/$pid/schedstat")
  sleep 0.5
  peak=$(sed -n 's/^VmHWM:[[:space:]]*\([0-9]*\) kB/\1/p' "/proc/$pid/status")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo "$(((end - start) / 1000000)) $peak $cpu"
}

median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

: >"$scratch/editor" && : >"$scratch/bare"
for ((run = 0; run < runs; ++run)); do
  rm -f "$scratch/editor.ini"
  time_start "$editor" "$file" --profile "$scratch/editor.ini" >>"$scratch/editor"
  time_start "$bare" "$file" >>"$scratch/bare"
done
editor_ms=$(cut -d' ' -f1 "$scratch/editor" | median)
bare_ms=$(cut -d' ' -f1 "$scratch/bare" | median)
editor_kb=$(cut -d' ' -f2 "$scratch/editor" | median)
bare_kb=$(cut -d' ' -f2 "$scratch/bare" | median)
echo "editor:      $editor_ms ms, $editor_kb kB peak (medians of $runs)"
echo "bare window: $bare_ms ms, $bare_kb kB peak"
awk -v e="$editor_ms" -v b="$bare_ms" -v ek="$editor_kb" -v bk="$bare_kb" \
  'BEGIN {printf "ratio %.2f, %+.1f MB\n", e / b, (ek - bk) / 1024}'
editor_cpu=$(cut -d' ' -f3 "$scratch/editor" | median)
bare_cpu=$(cut -d' ' -f3 "$scratch/bare" | median)
echo "main-thread CPU: editor $editor_cpu ms, bare window $bare_cpu ms"
