#!/usr/bin/env bash
# Installs what is missing, builds, and starts TPQ700.exe under Wine with a virtual terminal behind
# a Wine COM port, so that Download Application, Download Lookup File and Receive Data work at
# once. Without a display the program runs in a virtual one and a screenshot shows it.
# Environment: Q700_RUN_SECONDS=N ends the program after N seconds (0, the default, waits for it).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

if [ "${1:-}" = --in-display ]; then
  wine build/windows/app/win32/TPQ700.exe &
  pid=$!
  for _ in $(seq 60); do
    xdotool search --name 'Генератор Приложений' >/dev/null 2>&1 && break
    sleep 0.5
  done
  sleep 1
  import -window root "$Q700_SHOT" && echo "Screenshot saved: $Q700_SHOT" >&2
  if [ "${Q700_RUN_SECONDS:-0}" -gt 0 ]; then
    sleep "$Q700_RUN_SECONDS"
    kill "$pid" 2>/dev/null || true
  fi
  wait "$pid" || true
  exit 0
fi

scripts/install-deps.sh
cmake --preset native >/dev/null
cmake --build --preset native
cmake --preset windows >/dev/null
cmake --build --preset windows

tool=$root/build/native/tpq700
program=$root/build/windows/app/win32/TPQ700.exe
windows_tool=$root/build/windows/tpq700.exe
port=COM7
export WINEPREFIX=$root/build/windows/run-prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
scripts/wine-prefix.sh "$WINEPREFIX"

work=$root/build/run
mkdir -p "$work/terminal"
socat_pid=
terminal_pid=
cleanup() {
  set +e
  for pid in $terminal_pid $socat_pid; do
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  done
  wineserver -k >/dev/null 2>&1
}
trap cleanup EXIT

# A pair of pseudo terminals: the program's COM port on one end, the virtual terminal on the other.
socat -d -d pty,raw,echo=0 pty,raw,echo=0 2>"$work/socat.log" &
socat_pid=$!
ptys=()
for _ in $(seq 50); do
  mapfile -t ptys < <(sed -n 's/.*PTY is \([^ ]*\).*/\1/p' "$work/socat.log")
  [ ${#ptys[@]} -ge 2 ] && break
  sleep 0.1
done
if [ ${#ptys[@]} -lt 2 ]; then
  echo "run.sh: socat made no pseudo terminals:" >&2
  cat "$work/socat.log" >&2
  exit 1
fi
wine_end=${ptys[0]}
terminal_end=${ptys[1]}

# Wine lists a port declared here under Hardware\DeviceMap\SerialComm after a restart.
wine reg add 'HKLM\Software\Wine\Ports' /v "$port" /d "$wine_end" /f >/dev/null 2>&1
wineserver -k >/dev/null 2>&1 || true
echo "$port is $wine_end; the virtual terminal listens on $terminal_end" >&2

if "$tool" --help 2>/dev/null | grep -q '^ *terminal\b'; then
  # Records for Receive Data: kept when the user has put others there.
  [ -f "$work/records.txt" ] || printf '4006381333931;12\n4006381333948;3\n4006381333955;40\n' \
    >"$work/records.txt"
  "$tool" terminal --port "$terminal_end" --store "$work/terminal" --records "$work/records.txt" \
    >"$work/terminal.log" 2>&1 &
  terminal_pid=$!
  echo "Virtual terminal running: it stores what it receives in $work/terminal and sends the" \
    "lines of $work/records.txt to Receive Data." >&2
else
  echo "This build has no virtual terminal (tpq700 terminal): the exchanges will find no terminal." >&2
fi

# The preferences inside the prefix (%APPDATA%\MIRDANTO\TPQ700.ini): Serial-SPP both ways on the
# port, which needs no IR cradle; the other preferences stay as the user left them.
wine "$windows_tool" prefs --via serial-spp --receive-via serial-spp --port "$port" \
  >"$work/prefs.log" 2>&1 || { cat "$work/prefs.log" >&2; exit 1; }
# Wine's session belongs to the display it started on: the program starts a new one.
wineserver -k >/dev/null 2>&1 || true

run_program() {
  local seconds=${Q700_RUN_SECONDS:-0}
  if [ "$seconds" -gt 0 ]; then
    timeout "$seconds" wine "$program" || true
  else
    wine "$program"
  fi
}

if [ -n "${DISPLAY:-}" ]; then
  echo "Starting TPQ700.exe (right-click the terminal for the menu)." >&2
  run_program
else
  shot=$work/screenshot.png
  echo "No display: TPQ700.exe runs in a virtual display (Xvfb)." >&2
  echo "A screenshot will be saved to $shot; run this script where DISPLAY is set to use it." >&2
  # The same script again inside the virtual display, to start the program and take the picture.
  Q700_SHOT=$shot xvfb-run -a -s "-screen 0 1024x768x24" "$0" --in-display || true
fi
