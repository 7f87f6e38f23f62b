#!/usr/bin/env bash
# Runs the given test program against a real notification area: a private X
# server (Xvfb) with a tray host (trayer). Ends only the processes it started.
set -euo pipefail
command -v Xvfb >/dev/null && command -v trayer >/dev/null || { echo "Xvfb or trayer missing"; exit 1; }

. "$(dirname "$0")/private-x.sh"
start_private_x 1024x768

DISPLAY=$display trayer --edge top >/dev/null 2>&1 &
started+=($!)
# The test program waits for the tray host itself and fails when it never appears.
DISPLAY=$display QT_QPA_PLATFORM=xcb QUILLET_EXPECT_TRAY=1 "$@"
