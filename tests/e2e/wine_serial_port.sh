#!/usr/bin/env bash
# Runs the Win32 port tests of core_tests.exe under Wine on a real COM port: socat makes a pseudo
# terminal whose far end is line_responder.sh, the pseudo terminal is declared to Wine as COM7,
# and Wine is restarted so that it lists the port under Hardware\DeviceMap\SerialComm.
# Usage: wine_serial_port.sh CORE_TESTS_EXE WINEPREFIX
set -euo pipefail
exe=$1
export WINEPREFIX=$2 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
here=$(cd "$(dirname "$0")" && pwd)
port=COM7

if ! command -v socat >/dev/null; then
  echo "socat is not installed: skipped" >&2
  exit 77
fi

work=$(mktemp -d)
socat_pid=
cleanup() {
  set +e
  if [ -n "$socat_pid" ]; then
    kill "$socat_pid" 2>/dev/null
    wait "$socat_pid" 2>/dev/null
  fi
  wine reg delete 'HKLM\Software\Wine\Ports' /v "$port" /f >/dev/null 2>&1
  wineserver -k >/dev/null 2>&1
  rm -rf "$work"
}
trap cleanup EXIT

socat -d -d pty,raw,echo=0 "EXEC:$here/line_responder.sh" 2>"$work/socat.log" &
socat_pid=$!
pty=
for _ in $(seq 50); do
  pty=$(sed -n 's/.*PTY is \([^ ]*\).*/\1/p' "$work/socat.log" | head -n 1)
  [ -n "$pty" ] && break
  sleep 0.1
done
if [ -z "$pty" ]; then
  echo "socat made no pseudo terminal:" >&2
  cat "$work/socat.log" >&2
  exit 1
fi
echo "$port is $pty" >&2

wine reg add 'HKLM\Software\Wine\Ports' /v "$port" /d "$pty" /f >/dev/null 2>&1
wineserver -k >/dev/null 2>&1 || true
# A server of our own, quiet: a killed server reports its objects on its stderr.
wineserver -p >/dev/null 2>&1
Q700_TEST_COM_PORT=$port timeout 60 wine "$exe" --gtest_filter='Win32PortTest.*'
