#!/usr/bin/env bash
# Runs a fuzz target once over every file of its seed corpus: fuzz/replay.sh BINARY CORPUS_DIR
set -euo pipefail
binary=$1
corpus=$2
mapfile -d '' files < <(find "$corpus" -type f -print0 | sort -z)
if [ ${#files[@]} -eq 0 ]; then
  echo "no seed files in $corpus" >&2
  exit 1
fi
exec "$binary" "${files[@]}"
