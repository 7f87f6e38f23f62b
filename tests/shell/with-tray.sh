#!/usr/bin/env bash
# Runs the given test program against a real notification area: a private X
# server (Xvfb) with a tray host (trayer). Ends only the processes it started.
set -euo pipefail
command -v Xvfb >/dev/null && command -v trayer >/dev/null || { echo "Xvfb or trayer missing"; exit 1; }

fdfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" ${tray:+"$tray"} 2>/dev/null || true; rm -f "$fdfile"' EXIT
for _ in $(seq 50); do [ -s "$fdfile" ] && break; sleep 0.1; done
display=":$(head -n1 "$fdfile")"
[ "$display" != ":" ] || { echo "Xvfb did not start"; exit 1; }

DISPLAY=$display trayer --edge top >/dev/null 2>&1 &
tray=$!
# The test program waits for the tray host itself and fails when it never appears.
DISPLAY=$display QT_QPA_PLATFORM=xcb QUILLET_EXPECT_TRAY=1 "$@"
