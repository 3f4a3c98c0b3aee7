#!/usr/bin/env bash
# TPQ700.exe as a user sees it, under Wine on an X display: the 210 x 464 terminal window, the
# pop-up menu on a right click, pictured keys moving the simulator to Utilities and back, and
# Ctrl+S with a typed file name writing the project. Without a display it runs itself in Xvfb.
# Usage: program_window.sh TPQ700_EXE WINEPREFIX
set -euo pipefail
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
exe=$1
export WINEPREFIX=$2 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
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

wine "$exe" &
pid=$!
window=
for _ in $(seq 60); do
  window=$(xdotool search --name 'Генератор Приложений' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
  sleep 0.5
done
[ -n "$window" ] || fail "no main window"
sleep 1
geometry=$(xdotool getwindowgeometry "$window")
echo "$geometry"
grep -q "Geometry: 210x464" <<<"$geometry" || fail "window is not 210 x 464"
grep -q "Position: 300,50" <<<"$geometry" || fail "window is not at (300, 50)"

shot() { import -window root "$work/$1.png"; }
# The LCD's menu lines on the screen (client (28, 42) to (182, 110) with the window at (300, 50)),
# without the clock line, which changes by itself.
lcd() { convert "$work/$1.png" -crop 154x68+328+92 +repage "$work/$1-lcd.png"; }
differ() { [ "$(compare -metric AE "$work/$1-lcd.png" "$work/$2-lcd.png" null: 2>&1 || true)" != 0 ]; }

shot start
# The terminal is there: the body is not the black screen, the LCD not one colour.
body=$(convert "$work/start.png" -crop 210x464+300+50 -format "%[fx:mean]" info:)
awk -v m="$body" 'BEGIN { exit !(m > 0.1) }' || fail "no terminal picture (mean $body)"
lcd start
lcd_sd=$(convert "$work/start-lcd.png" -format "%[fx:standard_deviation]" info:)
awk -v s="$lcd_sd" 'BEGIN { exit !(s > 0.05) }' || fail "the LCD shows nothing (deviation $lcd_sd)"

# A right click opens the pop-up menu: a new window of the program appears, Escape closes it.
windows_before=$(xwininfo -root -children | grep -c 'tpq700' || true)
xdotool mousemove 400 150 click 3
sleep 1
shot menu
windows_after=$(xwininfo -root -children | grep -c 'tpq700' || true)
[ "$windows_after" -gt "$windows_before" ] || fail "no pop-up menu on a right click"
xdotool key Escape
sleep 1

# Key 3 (Utilities) at (150, 320) in the window, then ESC at (50, 260) back to the main menu.
xdotool mousemove 450 370 click 1
sleep 1
shot utilities
lcd utilities
differ start utilities || fail "key 3 did not change the display"
xdotool mousemove 350 310 click 1
sleep 1
shot back
lcd back
differ utilities back || fail "ESC did not change the display"

# Ctrl+S: the Save dialog takes a typed name and writes the project.
xdotool windowfocus "$window" 2>/dev/null || true
xdotool mousemove 360 80 click 1  # the LCD: no key, so nothing happens but the focus
sleep 0.5
xdotool key ctrl+s
sleep 2
target="Z:${work//\//\\}\\typed"
xdotool type --delay 20 "$target"
xdotool key Return
# The dialog adds the default extension in a letter case of its own, which the program keeps.
saved=
for _ in $(seq 20); do
  saved=$(find "$work" -maxdepth 1 -iname typed.tpx | head -n 1)
  [ -n "$saved" ] && break
  sleep 0.5
done
[ -n "$saved" ] || fail "no project written by Ctrl+S"
size=$(stat -c %s "$saved")
[ "$size" = 18954 ] || fail "project of $size bytes"
echo "program window: all checks passed"
