#!/usr/bin/env bash
# Runs a test program on a private X display with a session bus of its own,
# as on a desktop; exit 77 (skipped) when the machine has no xvfb-run.
# Without a session bus, each program that shows a window forks a bus
# launcher from one of its threads; under AddressSanitizer such a child can
# deadlock on a lock another thread held at the fork, and the program then
# waits for the launcher before its window shows.
command -v xvfb-run >/dev/null 2>&1 || { echo "xvfb-run not found: skipped"; exit 77; }
bus=()
command -v dbus-run-session >/dev/null 2>&1 && bus=(dbus-run-session --)
exec "${bus[@]}" xvfb-run -a -s "-screen 0 640x480x24" "$@"
