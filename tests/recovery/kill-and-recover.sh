#!/usr/bin/env bash
# The real program, killed with SIGKILL while it holds unsaved changes, offers them at the
# next start; Yes brings the table back and Save writes it to the project's own file byte
# for byte, keeping the version it replaces as a backup. Everything happens in a temp
# folder (HOME and the XDG folders point there). Usage: kill-and-recover.sh path/to/quillet
set -euo pipefail

quillet=$1
tmp=$(mktemp -d)
pid=
cleanup() {
    if [[ -n $pid ]]; then kill -9 "$pid" 2>/dev/null || true; fi
    rm -rf "$tmp"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    for f in "$tmp"/*.log; do [[ -f $f ]] && { echo "--- $f" >&2; cat "$f" >&2; }; done
    exit 1
}

export HOME=$tmp XDG_STATE_HOME=$tmp/state XDG_DATA_HOME=$tmp/data XDG_CONFIG_HOME=$tmp/config
export XDG_RUNTIME_DIR=$tmp/run QT_QPA_PLATFORM=offscreen
mkdir -m 0700 "$tmp/run"
recovery=$XDG_STATE_HOME/Quillet/recovery
backups=$XDG_DATA_HOME/Quillet/backups

# A saved project: a two-line cell, commas, UTF-8, a width of its own.
seed=$tmp/work.prj
crlf() { printf '%s\r\n' "$@"; }
lines=("7,3" "cw 0,42" "cw 1,160" "cw 2,64" "cw 3,64" "cw 4,64" "cw 5,120" "cw 6,64"
       "0,0,Task #" "1,0,Task Description" "2,0,Hours" "3,0,Start Date" "4,0,Cost"
       "5,0,Misc. Notes" "6,0,End Date"
       "0,1,1" "1,1,Design"$'\t\b'"second line" "2,1,2.5" "3,1,12/01/2026" "4,1,150"
       "0,2,2" "1,2,Review" "3,2,12/02/2026" "5,2,Café, ask Anna")
crlf "${lines[@]}" > "$seed"
cp "$seed" "$tmp/original.prj"
lines[21]="1,2,Review, changed after the last save"
crlf "${lines[@]}" > "$tmp/expected.prj"

# First run: open the project, change a cell, wait for the recovery copy, kill it.
QUILLET_TEST_SCRIPT="no;file=$seed;mnuOpen1;cell=1,2,Review, changed after the last save" \
    "$quillet" > "$tmp/first.log" 2>&1 &
pid=$!
for _ in $(seq 100); do
    compgen -G "$recovery/*.prj" > /dev/null && break
    kill -0 "$pid" 2>/dev/null || fail "the first run ended by itself"
    sleep 0.1
done
compgen -G "$recovery/*.prj" > /dev/null || fail "no recovery copy within 10 s"
kill -9 "$pid"
wait "$pid" 2>/dev/null || true
pid=
[[ $(stat -c %a "$recovery") == 700 ]] || fail "the recovery folder is not private"
cmp -s "$seed" "$tmp/original.prj" || fail "the killed run changed the project file"

# Second run: Yes to the question, Save, Exit.
QUILLET_TEST_SCRIPT="yes;mnuSave1;mnuExit1" timeout 15 "$quillet" > "$tmp/second.log" 2>&1 ||
    fail "the second run did not end normally"
question="question: Quillet1 did not close normally. Recover the unsaved changes to $seed from "
grep -qF "$question" "$tmp/second.log" || fail "the recovery question was not asked"
[[ $(grep -c '^question: ' "$tmp/second.log") == 1 ]] || fail "more than one question"
cmp "$seed" "$tmp/expected.prj" || fail "the recovered table was not saved byte for byte"

shopt -s nullglob
kept=("$backups"/work.prj-*/*.prj)
[[ ${#kept[@]} == 1 ]] || fail "expected one backup, found ${#kept[@]}"
cmp "${kept[0]}" "$tmp/original.prj" || fail "the backup is not the replaced file"
[[ $(stat -c %a "$(dirname "${kept[0]}")") == 700 ]] || fail "the backup folder is not private"
left=("$recovery"/*)
[[ ${#left[@]} == 0 ]] || fail "a normal exit left ${left[*]}"
echo "recovered, saved and backed up"
