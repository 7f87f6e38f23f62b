#!/usr/bin/env bash
# Opens the program's windows on a private X server (Xvfb) and checks the titles the X
# server holds: each caption as written, with no program name appended by the platform.
# Ends only the processes it started.
set -euo pipefail
program=$1
command -v Xvfb >/dev/null && command -v xwininfo >/dev/null || { echo "Xvfb or xwininfo missing"; exit 1; }

. "$(dirname "$0")/private-x.sh"
start_private_x 1280x800
home=$(mktemp -d)
temporary+=("$home")

HOME=$home XDG_CONFIG_HOME=$home DISPLAY=$display QT_QPA_PLATFORM=xcb \
  QUILLET_TEST_SCRIPT="mnuCalendar1;mnuAbout1;mnuChangeColumnNames1;mnuWorkLog1" "$program" >/dev/null 2>&1 &
started+=($!)
expected=$'About Quillet1\nQuillet1\nQuillet1 - Calendar\nQuillet1 - Change Column Names\nQuillet1 - Work Log'
titles=
for _ in $(seq 100); do
  titles=$(DISPLAY=$display xwininfo -root -tree | sed -n 's/^ *0x[0-9a-f]* "\(.*\)": ("quillet".*/\1/p' | sort)
  [ "$titles" = "$expected" ] && { echo "1 passed, 0 failed"; exit 0; }
  sleep 0.1
done
printf 'titles on screen:\n%s\nexpected:\n%s\n0 passed, 1 failed\n' "$titles" "$expected"
exit 1
