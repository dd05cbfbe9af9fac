#!/usr/bin/env bash
# Runs a test program on a private X display; exit 77 (skipped) when the
# machine has no xvfb-run.
command -v xvfb-run >/dev/null 2>&1 || { echo "xvfb-run not found: skipped"; exit 77; }
exec xvfb-run -a -s "-screen 0 640x480x24" "$@"
