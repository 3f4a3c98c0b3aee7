#!/usr/bin/env bash
# TPQ700.exe started with a project file on its command line, as a file type's "open" starts it:
# a quoted path with blanks opens the design and the editor sheet names the file; a missing file
# is told in a message box. Without a display it runs itself in Xvfb.
# Usage: program_open_file.sh TPQ700_EXE WINEPREFIX SAMPLES_DIR
set -euo pipefail
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
exe=$1
export WINEPREFIX=$2 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
samples=$3
work=$(mktemp -d)
# Wine sets APPDATA itself: start from no preferences, as a new user, and leave none behind.
prefs="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/MIRDANTO/TPQ700.ini"
rm -f "$prefs"
pid=
cleanup() {
  set +e
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  wineserver -k >/dev/null 2>&1
  rm -rf "$work"
  rm -f "$prefs"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Waits for a window whose name matches the pattern and prints its id.
wait_window() {
  local window=
  for _ in $(seq 60); do
    window=$(xdotool search --name "$1" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.5
  done
  echo "$window"
}

mkdir -p "$work/My Designs"
cp "$samples/STOCK.TPX" "$work/My Designs/STOCK.TPX"
file="Z:${work//\//\\}\\My Designs\\STOCK.TPX"

wine "$exe" "$file" &
pid=$!
sheet=$(wait_window 'STOCK\.TPX \]')
[ -n "$sheet" ] || fail "no editor sheet naming the file"
name=$(xdotool getwindowname "$sheet")
echo "editor sheet: $name"
[ "$name" = "Генератор Приложений - [ $file ]" ] || fail "the sheet is named '$name'"
[ -n "$(xdotool search --name '^Генератор Приложений$' 2>/dev/null | head -n 1)" ] ||
  fail "no main window behind the sheet"
kill "$pid" 2>/dev/null
wineserver -k >/dev/null 2>&1 || true
pid=

# A file that is not there: the new design, and the failure told.
wine "$exe" "Z:${work//\//\\}\\My Designs\\MISSING.TPX" &
pid=$!
box=$(wait_window '^Error$')
[ -n "$box" ] || fail "no message for a missing file"
[ -z "$(xdotool search --name 'MISSING\.TPX' 2>/dev/null | head -n 1)" ] ||
  fail "an editor sheet opened for a missing file"
echo "program open file: all checks passed"
