#!/usr/bin/env bash
# The command line through the real program: help, version and bad options answer
# without a window; exit codes are what scripts rely on.
set -u
exe=$1
version=${2:?usage: check-cli.sh QUILLET VERSION}
fail=0
check() {  # description, expected code, actual code
    if [ "$2" != "$3" ]; then echo "FAIL: $1: exit $3, expected $2"; fail=1; fi
}
out=$(env -u DISPLAY -u WAYLAND_DISPLAY "$exe" --version 2>/dev/null); code=$?
check "--version" 0 $code
[ "$out" = "Quillet1 $version" ] || { echo "FAIL: --version printed '$out'"; fail=1; }

out=$(env -u DISPLAY -u WAYLAND_DISPLAY "$exe" --help 2>/dev/null); code=$?
check "--help" 0 $code
grep -q "Usage:" <<<"$out" || { echo "FAIL: --help printed no usage"; fail=1; }

err=$(env -u DISPLAY -u WAYLAND_DISPLAY "$exe" --no-such-option 2>&1 >/dev/null); code=$?
check "unknown option" 2 $code
grep -q "Usage:" <<<"$err" || { echo "FAIL: no usage on standard error"; fail=1; }

env -u DISPLAY -u WAYLAND_DISPLAY "$exe" one.prj two.prj >/dev/null 2>&1; code=$?
check "two files" 2 $code

# Qt's own options are left to Qt, not refused.
out=$("$exe" -platform offscreen --version 2>/dev/null); code=$?
check "-platform with --version" 0 $code

home=$(mktemp -d)
# Qt takes its own options with their values; what it leaves is read as the program's.
err=$(HOME=$home XDG_CONFIG_HOME=$home XDG_STATE_HOME=$home QUILLET_TEST_SCRIPT="mnuExit1;no" \
      "$exe" -platform offscreen -style fusion "$home/one.prj" 2>&1 >/dev/null); code=$?
check "Qt options with values and a file" 0 $code
grep -qF "message: Cannot open file $home/one.prj" <<<"$err" || { echo "FAIL: file not opened: $err"; fail=1; }
err=$(HOME=$home XDG_CONFIG_HOME=$home XDG_STATE_HOME=$home \
      "$exe" -platform offscreen -nosuchoption 2>&1 >/dev/null); code=$?
check "an option Qt does not take" 2 $code
grep -q "Usage:" <<<"$err" || { echo "FAIL: no usage for an option Qt left"; fail=1; }

# A file name that is not valid UTF-8 opens as the bytes the system gave (Save then writes
# the project format back to that very file).
latin1=$(printf '%s/caf\351.prj' "$home")
printf '2,2\r\n1,1,x\r\n' >"$latin1"
err=$(HOME=$home XDG_CONFIG_HOME=$home XDG_STATE_HOME=$home QT_QPA_PLATFORM=offscreen \
      QUILLET_TEST_SCRIPT="mnuSave1;mnuExit1;no" timeout 20 "$exe" "$latin1" 2>&1 >/dev/null); code=$?
check "a file name that is not UTF-8" 0 $code
grep -q '^cw 0,' "$latin1" || { echo "FAIL: not opened and saved by its bytes: $err"; fail=1; }

# A pipe or a device named on the command line is refused at once, never waited on.
mkfifo "$home/pipe.prj"
for special in "$home/pipe.prj" /dev/zero; do
  err=$(HOME=$home XDG_CONFIG_HOME=$home XDG_STATE_HOME=$home QT_QPA_PLATFORM=offscreen \
        QUILLET_TEST_SCRIPT="mnuExit1;no" timeout 20 "$exe" "$special" 2>&1 >/dev/null); code=$?
  check "$special on the command line" 0 $code
  grep -qF "message: Cannot open file $special: not a regular file" <<<"$err" ||
    { echo "FAIL: $special not refused: $err"; fail=1; }
done

# --export writes without a window or a display, and says on standard error why it cannot.
printf '2,2\r\n1,1,x\r\n' >"$home/e.prj"
(unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM; "$exe" --export "$home/e.xlsx" "$home/e.prj" 2>&1); code=$?
check "--export to a workbook" 0 $code
[ -s "$home/e.xlsx" ] || { echo "FAIL: --export wrote no workbook"; fail=1; }
printf 'Notes for Monday\nCall the client\n' >"$home/notes.txt"
printf 'Task,Hours\r\n1,2\r\n' >"$home/tasks.csv"
: >"$home/empty.prj"
for bad in "$home/e.txt $home/e.prj" "$home/e.csv $home/none.prj" "$home/no/e.ods $home/e.prj" \
  "$home/n.csv $home/notes.txt" "$home/t.xlsx $home/tasks.csv" "$home/m.ods $home/empty.prj"; do
  # shellcheck disable=SC2086
  err=$(unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM; "$exe" --export $bad 2>&1 >/dev/null); code=$?
  check "--export $bad" 1 $code
  [ -n "$err" ] || { echo "FAIL: --export $bad said nothing"; fail=1; }
done
# A file-size limit ends the export with its reason and leaves nothing behind: no signal,
# no temporary file, none of the workbook library's own reports on standard error.
mkdir "$home/limit"
printf '2,2\r\n1,1,%s\r\n' "$(head -c 3000 /dev/zero | tr '\0' x)" >"$home/limit/big.prj"
for ext in xlsx ods csv; do
  out="$home/limit/big.$ext"
  err=$(ulimit -f 1; unset DISPLAY WAYLAND_DISPLAY; "$exe" --export "$out" "$home/limit/big.prj" 2>&1); code=$?
  check "--export .$ext past ulimit -f" 1 $code
  [ "$err" = "Cannot write file $out: File too large" ] || { echo "FAIL: .$ext past ulimit -f: $err"; fail=1; }
  [ "$(ls -A "$home/limit")" = big.prj ] || { echo "FAIL: .$ext left: $(ls -A "$home/limit")"; fail=1; }
done
# A workbook whose scratch XML passes the limit, though the workbook itself would not: the
# library's unchecked scratch writes must not become a workbook that does not open.
python3 - "$home/limit/wide.prj" <<'PY'
import sys
with open(sys.argv[1], 'w', newline='') as f:
    f.write('2,3001\r\n')
    for row in range(1, 3001):
        f.write(f'1,{row},the same words again and again\r\n')
PY
err=$(ulimit -f 20; unset DISPLAY WAYLAND_DISPLAY; "$exe" --export "$home/limit/wide.xlsx" "$home/limit/wide.prj" 2>&1); code=$?
check "--export .xlsx whose scratch passes ulimit -f" 1 $code
[ "$err" = "Cannot write file $home/limit/wide.xlsx: File too large" ] || { echo "FAIL: scratch past ulimit -f: $err"; fail=1; }
rm "$home/limit/wide.prj"
# Saving past a file-size limit is refused with its reason; the program goes on (no SIGXFSZ)
# and leaves no temporary file.
big=$(head -c 6000 /dev/zero | tr '\0' y)
err=$(ulimit -f 2; HOME=$home XDG_CONFIG_HOME=$home XDG_STATE_HOME=$home XDG_DATA_HOME=$home \
      QT_QPA_PLATFORM=offscreen QUILLET_TEST_SCRIPT="cell=1,1,$big;file=$home/limit/saved.prj;mnuSaveProjectAs1;mnuExit1;no" \
      timeout 30 "$exe" 2>&1 >/dev/null); code=$?
check "Save As past ulimit -f" 0 $code
grep -qF "message: Cannot write file $home/limit/saved.prj: File too large" <<<"$err" ||
  { echo "FAIL: Save As past ulimit -f: $err"; fail=1; }
[ "$(ls -A "$home/limit")" = big.prj ] || { echo "FAIL: Save As left: $(ls -A "$home/limit")"; fail=1; }
# A copy of the program without its workbook module still writes CSV and says why it
# cannot write a workbook; nothing is left behind.
mkdir "$home/alone"
cp "$exe" "$home/alone/quillet"
err=$(unset DISPLAY WAYLAND_DISPLAY; "$home/alone/quillet" --export "$home/alone/e.ods" "$home/e.prj" 2>&1); code=$?
check "--export .ods without the workbook module" 1 $code
[[ "$err" == "Cannot export $home/alone/e.ods: the spreadsheet writer could not be loaded ("*"quillet-workbooks.so"* ]] ||
  { echo "FAIL: without the workbook module: $err"; fail=1; }
(unset DISPLAY WAYLAND_DISPLAY; "$home/alone/quillet" --export "$home/alone/e.csv" "$home/e.prj"); code=$?
check "--export .csv without the workbook module" 0 $code
[ "$(ls -A "$home/alone")" = "$(printf 'e.csv\nquillet')" ] || { echo "FAIL: left: $(ls -A "$home/alone")"; fail=1; }
QT_QPA_PLATFORM=offscreen "$exe" --help | grep -q -- '--export <out>' ||
  { echo "FAIL: --help does not list --export"; fail=1; }

# --export-log writes the log beside a project: one event per session (the deleted one left
# out), folded lines under 76 octets, CRLF ends; a project without a log is an error.
printf 'Quillet1 work log 1\n' >"$home/e.qlog"
printf 'start\t019afc12ab34-00000001\ttask=2\tdesc=Write report, draft\tat=2026-12-09T09:12:00.000Z\tpid=1\tseen=2026-12-09T11:40:00.000Z\n' >>"$home/e.qlog"
printf 'add\t019afc12ab35-00000002\ttask=3\tdesc=Call\tstart=2026-12-09T13:00:00.000Z\tend=2026-12-09T13:30:00.000Z\n' >>"$home/e.qlog"
printf 'add\t019afc12ab36-00000003\ttask=4\tdesc=Gone\tstart=2026-12-09T14:00:00.000Z\tend=2026-12-09T14:30:00.000Z\n' >>"$home/e.qlog"
printf 'delete\t019afc12ab37-00000004\tsession=019afc12ab36-00000003\n' >>"$home/e.qlog"
(unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM; TZ=UTC "$exe" --export-log "$home/e.ics" "$home/e.prj"); code=$?
check "--export-log to iCalendar" 0 $code
python3 - "$home/e.ics" <<'PY' || fail=1
import sys
raw = open(sys.argv[1], 'rb').read()
assert raw.count(b'\r\n') == raw.count(b'\n'), 'lines must end in CRLF'
lines = raw.decode('utf-8').replace('\r\n ', '').split('\r\n')
assert all(len(l.encode()) <= 75 for l in raw.decode('utf-8').split('\r\n')), 'a line is not folded'
events = [l for l in lines if l == 'BEGIN:VEVENT']
assert len(events) == 2, lines
assert 'SUMMARY:Task 2: Write report\\, draft' in lines, lines
assert 'DTSTART:20261209T091200Z' in lines and 'DTEND:20261209T114000Z' in lines, lines
assert 'UID:019afc12ab34-00000001@quillet1' in lines, lines
PY
(unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM; TZ=UTC LANG=C "$exe" --export-log "$home/e.csv" "$home/e.prj"); code=$?
check "--export-log to CSV" 0 $code
grep -q '^12/9/2026,09:12,11:40,2.47,2,"Write report, draft"' "$home/e.csv" ||
  { echo "FAIL: --export-log CSV: $(cat "$home/e.csv")"; fail=1; }
err=$(unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM; "$exe" --export-log "$home/x.ics" "$home/one.prj" 2>&1); code=$?
check "--export-log without a log" 1 $code
[ "$err" = "$home/one.prj has no work log ($home/one.qlog)" ] || { echo "FAIL: no log said: $err"; fail=1; }

# Many steps run before the event loop turns; Exit at the end still ends the program.
steps="cell=1,1,x"; for i in $(seq 40); do steps="$steps;file=$home/s$i.prj;mnuSaveProjectAs1"; done
HOME=$home XDG_CONFIG_HOME=$home XDG_STATE_HOME=$home XDG_DATA_HOME=$home QT_QPA_PLATFORM=offscreen \
    QUILLET_TEST_SCRIPT="$steps;mnuExit1" timeout 20 "$exe" >/dev/null 2>&1
check "Exit after 40 Save As in one script" 0 $?

# bench/startup reads the moment the window showed from the test hook's "shown" step.
err=$(HOME=$home XDG_CONFIG_HOME=$home XDG_STATE_HOME=$home QT_QPA_PLATFORM=offscreen \
      QUILLET_TEST_SCRIPT="shown;mnuExit1;no" "$exe" 2>&1 >/dev/null); code=$?
shown_err=$err; shown_code=$code

# The stopwatch's remote control, with no Quillet1 listening: no display needed.
mkdir -m 700 "$home/run"
err=$(env -u DISPLAY -u WAYLAND_DISPLAY XDG_RUNTIME_DIR=$home/run "$exe" --timer status 2>&1); code=$?
check "--timer with nothing running" 3 $code
[ "$err" = "Quillet1 is not running" ] || { echo "FAIL: --timer status printed: $err"; fail=1; }
# A runtime folder others may enter is refused, and the answer says so.
mkdir -m 755 "$home/shared-run"
err=$(env -u DISPLAY -u WAYLAND_DISPLAY XDG_RUNTIME_DIR=$home/shared-run "$exe" --timer status 2>&1); code=$?
check "--timer in a shared runtime folder" 1 $code
[[ "$err" == *"is open to other users"* ]] || { echo "FAIL: shared runtime folder: $err"; fail=1; }
env -u DISPLAY -u WAYLAND_DISPLAY XDG_RUNTIME_DIR=$home/run "$exe" --timer lap >/dev/null 2>&1; code=$?
check "--timer with an unknown command" 2 $code

rm -rf "$home"
err=$shown_err; code=$shown_code
check "shown step" 0 $code
grep -Eq '^shown [0-9]{19}$' <<<"$err" || { echo "FAIL: no 'shown' time in: $err"; fail=1; }
exit $fail
