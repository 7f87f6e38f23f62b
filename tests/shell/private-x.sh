# Sourced by the tests that need a real X server. start_private_x SIZE starts a private
# Xvfb (e.g. 1280x800) and sets $display. On exit, the processes listed in $started are
# ended (only those this test started) and the files and folders in $temporary removed.
started=()
temporary=()
trap 'kill ${started[@]+"${started[@]}"} 2>/dev/null || true; rm -rf ${temporary[@]+"${temporary[@]}"}' EXIT

start_private_x() {
  local fdfile
  fdfile=$(mktemp)
  temporary+=("$fdfile")
  Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
  started+=($!)
  for _ in $(seq 50); do [ -s "$fdfile" ] && break; sleep 0.1; done
  display=":$(head -n1 "$fdfile")"
  [ "$display" != ":" ] || { echo "Xvfb did not start"; exit 1; }
}
