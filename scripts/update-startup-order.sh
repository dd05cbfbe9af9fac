#!/usr/bin/env bash
# Lists the functions of the editor that run while it starts on a settings
# file and paints its window: src/ui/app/startup.order. A release build
# linked with lld lays these out side by side, so the start maps a few
# hundred kilobytes of the program instead of nearly all of it.
#
# Run it on a release build after larger changes to the start-up path and
# commit the list. A stale list does no harm: names that are gone are
# skipped, and functions missing from it stay where they were.
#
#   scripts/update-startup-order.sh BUILD_DIR FILE.bin
#
# Needs valgrind (callgrind) and an X display; without one it runs itself
# under xvfb-run.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:?usage: update-startup-order.sh BUILD_DIR FILE.bin}
file=${2:?usage: update-startup-order.sh BUILD_DIR FILE.bin}
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1600x1000x24" "$0" "$@"
fi
editor=$(realpath "$build/src/ui/app/vqchanneleditor")
[ -x "$editor" ] || { echo "update-startup-order: $editor not built" >&2; exit 2; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

valgrind --tool=callgrind --demangle=no --callgrind-out-file="$scratch/profile" \
  "$editor" "$file" --profile "$scratch/editor.ini" >/dev/null 2>"$scratch/stderr" &
pid=$!
# Under callgrind the window takes seconds to come up; it has painted once
# a few seconds later.
for ((wait = 0; wait < 600; ++wait)); do
  xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1 && break
  if ! kill -0 "$pid" 2>/dev/null; then
    echo "update-startup-order: the editor ended without a window:" >&2
    cat "$scratch/stderr" >&2
    exit 1
  fi
  sleep 0.2
done
sleep 3
callgrind_control --dump "$pid" >/dev/null 2>&1
kill "$pid"
wait "$pid" 2>/dev/null || true

# Callgrind names each object and function once, by number, and refers to
# the number afterwards; every dump file numbers anew.
for profile in "$scratch"/profile*; do
  awk -v editor="$editor" '
    /^c?ob=/ { id = $1; sub(/^c?ob=/, "", id); if (NF > 1) object[id] = $2
               if ($0 ~ /^ob=/) ours = (object[id] == editor) }
    /^c?fn=/ { id = $1; sub(/^c?fn=/, "", id); if (NF > 1) function_[id] = $2
               if ($0 ~ /^fn=/ && ours) print function_[id] }
  ' "$profile"
done | sed "s/'[0-9]*$//" | grep -v '^0x\|^(' | LC_ALL=C sort -u >src/ui/app/startup.order
echo "update-startup-order: $(wc -l <src/ui/app/startup.order) functions in src/ui/app/startup.order"
