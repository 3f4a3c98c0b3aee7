#!/usr/bin/env bash
# TPQ700.exe against the virtual terminal through a Wine COM port: Download Application stores
# an image byte for byte the one `tpq700 image` builds of a new design, and Receive Data writes
# the terminal's records. The virtual terminal is the native tpq700 on the far end of a socat pair.
# Usage: program_exchanges.sh TPQ700_EXE TPQ700_WINDOWS_EXE WINEPREFIX NATIVE_TPQ700
set -euo pipefail
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
exe=$1
windows_tool=$2
export WINEPREFIX=$3 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
tool=$4
port=COM7
if [ ! -x "$tool" ] || ! "$tool" --help 2>/dev/null | grep -q '^ *terminal\b'; then
  echo "no native tpq700 with a virtual terminal at $tool (build the native preset first): skipped" >&2
  exit 77
fi
command -v socat >/dev/null || { echo "socat is not installed: skipped" >&2; exit 77; }

work=$(mktemp -d)
prefs="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/MIRDANTO/TPQ700.ini"
rm -f "$prefs"
pids=()
cleanup() {
  set +e
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; done
  wine reg delete 'HKLM\Software\Wine\Ports' /v "$port" /f >/dev/null 2>&1
  wineserver -k >/dev/null 2>&1
  rm -f "$prefs"
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  [ -f "$work/terminal.log" ] && sed 's/^/terminal: /' "$work/terminal.log" >&2
  exit 1
}

socat -d -d pty,raw,echo=0 pty,raw,echo=0 2>"$work/socat.log" &
pids+=($!)
ptys=()
for _ in $(seq 50); do
  mapfile -t ptys < <(sed -n 's/.*PTY is \([^ ]*\).*/\1/p' "$work/socat.log")
  [ ${#ptys[@]} -ge 2 ] && break
  sleep 0.1
done
[ ${#ptys[@]} -ge 2 ] || fail "socat made no pseudo terminals"
wine reg add 'HKLM\Software\Wine\Ports' /v "$port" /d "${ptys[0]}" /f >/dev/null 2>&1
wineserver -k >/dev/null 2>&1 || true

mkdir -p "$work/store"
printf 'A1\nB22\nC333\n' >"$work/records.txt"
"$tool" terminal --port "${ptys[1]}" --store "$work/store" --records "$work/records.txt" \
  >"$work/terminal.log" 2>&1 &
pids+=($!)

wine "$windows_tool" prefs --via serial-spp --receive-via serial-spp --port "$port" >/dev/null 2>&1 ||
  fail "cannot set the preferences"

wine "$exe" &
pids+=($!)
window=
for _ in $(seq 60); do
  window=$(xdotool search --name 'Генератор Приложений' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
  sleep 0.5
done
[ -n "$window" ] || fail "no main window"
sleep 1

# Waits for a window of the program whose title is $1; the message boxes take the focus.
wait_window() {
  for _ in $(seq 120); do
    xdotool search --name "^$1\$" >/dev/null 2>&1 && return 0
    sleep 0.5
  done
  return 1
}

# Download Application from the pop-up menu (its mnemonic D).
xdotool mousemove 400 150 click 3
sleep 1
xdotool key d
wait_window Download || fail "no \"Downloaded completely!\" message"
xdotool key Return
"$tool" new "$work/new.TPX" >/dev/null
"$tool" image "$work/new.TPX" "$work/expected.bin" >/dev/null
cmp "$work/store/application.bin" "$work/expected.bin" || fail "the stored image differs"
echo "download: the terminal stored the image of a new design"

# Receive Data (mnemonic R): the Save dialog takes a typed name; No to viewing the file.
sleep 1
xdotool mousemove 400 150 click 3
sleep 1
xdotool key r
sleep 2
xdotool type --delay 20 "Z:${work//\//\\}\\data.txt"
xdotool key Return
wait_window "Upload Data" || fail "no \"Upload Data\" message"
xdotool key n
sleep 1
[ -f "$work/data.txt" ] || fail "no data file"
printf 'A1\r\nB22\r\nC333\r\n' | cmp - "$work/data.txt" || fail "the data file holds other records"
echo "receive: the terminal's three records are in the data file"
