#!/usr/bin/env bash
# Installs the build tree into a temporary prefix, as `cmake --install build --prefix ~/.local`
# would, and checks what a desktop needs from it: the program, the manual, a valid desktop
# entry, the icons, a MIME type that claims our project files and no one else's .prj files,
# and valid AppStream metadata. Usage: check-install.sh BUILD_DIR
set -euo pipefail
build=${1:?usage: check-install.sh BUILD_DIR}

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

share=$prefix/share
# The prefix's data comes first for every tool below, as it would for a desktop session that
# has the prefix in its data folders; the install refreshes only the prefix's caches.
export XDG_DATA_HOME=$share XDG_DATA_DIRS=$share:/usr/local/share:/usr/share
env -u DESTDIR cmake --install "$build" --prefix "$prefix" >/dev/null

[ -x "$prefix/bin/quillet" ] || fail "bin/quillet missing or not executable"
# The installed program finds its workbook module in the library folder.
printf '2,2\r\n1,1,x\r\n' >"$prefix/e.prj"
(unset DISPLAY WAYLAND_DISPLAY; "$prefix/bin/quillet" --export "$prefix/e.xlsx" "$prefix/e.prj") &&
  [ -s "$prefix/e.xlsx" ] || fail "the installed program cannot write a workbook"
grep -q '<title>' "$share/quillet/Quillet.html" 2>/dev/null || fail "share/quillet/Quillet.html missing"
# Each translation is a whole manual: the same sections and anchors as the English one, and
# its own language declared.
anchors() { grep -o ' id="[^"]*"' "$1" | sort; }
for lang in de es fr; do
  manual=$share/quillet/Quillet.$lang.html
  if [ -f "$manual" ]; then
    grep -q "<html lang=\"$lang\">" "$manual" || fail "Quillet.$lang.html does not declare lang=$lang"
    [ "$(anchors "$manual")" = "$(anchors "$share/quillet/Quillet.html")" ] ||
      fail "Quillet.$lang.html has other sections than Quillet.html: $(diff <(anchors "$share/quillet/Quillet.html") <(anchors "$manual") | tr '\n' ' ')"
  else
    fail "share/quillet/Quillet.$lang.html missing"
  fi
done

# Debian's machine-readable copyright file, with the licence's text from LICENSE.
copyright=$share/doc/quillet/copyright
if [ -f "$copyright" ]; then
  head -n1 "$copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "copyright: first line is not the format's address"
  grep -qx 'License: Expat' "$copyright" || fail "copyright: no Expat (MIT) licence paragraph"
  grep -qx ' THE SOFTWARE IS PROVIDED "AS IS", WITHOUT WARRANTY OF ANY KIND, EXPRESS OR' "$copyright" ||
    fail "copyright: the licence's text is missing or not indented"
  # Every line of a paragraph's text is indented; an empty one would end the paragraph early.
  [ "$(awk 'text && /^[^ ]/ {n++} /^License: Expat$/ && prev == "" {text = 1} {prev = $0}
            END {print n + 0}' "$copyright")" -eq 0 ] ||
    fail "copyright: the licence's text has an unindented line"
else
  fail "share/doc/quillet/copyright missing"
fi

desktop=$share/applications/quillet.desktop
if [ -f "$desktop" ]; then
  desktop-file-validate "$desktop" || fail "desktop entry does not validate"
  grep -qx 'Exec=quillet %f' "$desktop" || fail "desktop entry: Exec is not 'quillet %f'"
  grep -qx 'Icon=quillet' "$desktop" || fail "desktop entry: Icon is not 'quillet'"
  grep -q '^MimeType=.*application/x-quillet-project;' "$desktop" ||
    fail "desktop entry does not list the project type"
else
  fail "share/applications/quillet.desktop missing"
fi

# A PNG's width and height are the big-endian words at bytes 16 and 20.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8}'; }
for size in 16 22 24 32 48 64 128 256; do
  png=$share/icons/hicolor/${size}x${size}/apps/quillet.png
  if [ -f "$png" ]; then
    [ "$(png_size "$png")" = "${size}x${size}" ] || fail "$png is $(png_size "$png"), not ${size}x${size}"
  else
    fail "icon ${size}x${size} missing"
  fi
done
xmllint --noout "$share/icons/hicolor/scalable/apps/quillet.svg" || fail "scalable icon missing or not XML"

mimexml=$share/mime/packages/quillet.xml
xmllint --noout "$mimexml" || fail "MIME package missing or not XML"
# The install refreshed the MIME database of the prefix; do it again to see its complaints.
update-mime-database "$share/mime" || fail "update-mime-database rejects the MIME package"
grep -qx 'application/x-quillet-project' "$share/mime/types" 2>/dev/null ||
  fail "the project type is not in the prefix's MIME database"

# What a file manager makes of these files, asked through GIO.
samples=$prefix/samples
mkdir -p "$samples"
printf '7,3\r\ncw 0,42\r\ncw 1,120\r\n0,0,Task #\r\n1,0,Task Description\r\n' >"$samples/jobs.prj"
printf '12,100001\r\ncw 0,42\r\n' >"$samples/wide.prj"
printf '7,3\r\ncw 0,42\r\n' >"$samples/renamed"
printf 'PROJCS["NAD_1983_UTM_Zone_10N",GEOGCS["GCS_North_American_1983"]]' >"$samples/map.prj"
printf 'GEOGCS["GCS_WGS_1984",DATUM["D_WGS_1984"]]\r\n' >"$samples/world.prj"
printf '1,2\n3,4\n' >"$samples/lf.prj"
content_type() {
  gio info -a standard::content-type "$1" |
    sed -n 's/^ *standard::content-type: //p'
}
expect_type() {
  local got
  got=$(content_type "$samples/$1")
  [ "$got" = "$2" ] || fail "$1 is seen as '$got', expected '$2'"
}
expect_type jobs.prj application/x-quillet-project
expect_type wide.prj application/x-quillet-project
expect_type renamed application/x-quillet-project
expect_type map.prj text/plain
expect_type world.prj text/plain
expect_type lf.prj text/plain

metainfo=$share/metainfo/org.example.Quillet.metainfo.xml
if [ -f "$metainfo" ]; then
  appstreamcli validate --no-net "$metainfo" >/dev/null ||
    { appstreamcli validate --no-net "$metainfo"; fail "metainfo does not validate"; }
else
  fail "share/metainfo/org.example.Quillet.metainfo.xml missing"
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "install tree OK"
