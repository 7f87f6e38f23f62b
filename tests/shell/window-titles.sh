#!/usr/bin/env bash
# Opens the program's windows on a private X server (Xvfb) and checks the titles the X
# server holds: each caption as written, with no program name appended by the platform.
# Ends only the processes it started.
set -euo pipefail
program=$1
command -v Xvfb >/dev/null && command -v xwininfo >/dev/null || { echo "Xvfb or xwininfo missing"; exit 1; }

fdfile=$(mktemp)
home=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" ${app:+"$app"} 2>/dev/null || true; rm -rf "$fdfile" "$home"' EXIT
for _ in $(seq 50); do [ -s "$fdfile" ] && break; sleep 0.1; done
display=":$(head -n1 "$fdfile")"
[ "$display" != ":" ] || { echo "Xvfb did not start"; exit 1; }

HOME=$home XDG_CONFIG_HOME=$home DISPLAY=$display QT_QPA_PLATFORM=xcb \
  QUILLET_TEST_SCRIPT="mnuCalendar1;mnuAbout1;mnuChangeColumnNames1" "$program" >/dev/null 2>&1 &
app=$!
expected=$'About Quillet1\nQuillet1\nQuillet1 - Calendar\nQuillet1 - Change Column Names'
titles=
for _ in $(seq 100); do
  titles=$(DISPLAY=$display xwininfo -root -tree | sed -n 's/^ *0x[0-9a-f]* "\(.*\)": ("quillet".*/\1/p' | sort)
  [ "$titles" = "$expected" ] && { echo "1 passed, 0 failed"; exit 0; }
  sleep 0.1
done
printf 'titles on screen:\n%s\nexpected:\n%s\n0 passed, 1 failed\n' "$titles" "$expected"
exit 1
