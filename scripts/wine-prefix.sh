#!/usr/bin/env bash
# Creates the Wine prefix that the Windows tests run in, once per build folder.
set -eu
prefix=$1
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ -f "$prefix/system.reg" ]; then
  exit 0
fi
mkdir -p "$prefix"
wineboot -u >/dev/null 2>&1 || true
wineserver -w
test -f "$prefix/system.reg"
