#!/usr/bin/env bash
# Creates the Wine prefix that the Windows tests run in, once per build folder.
set -eu
prefix=$1
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$prefix/system.reg" ]; then
  mkdir -p "$prefix"
  wineboot -u >/dev/null 2>&1 || true
  wineserver -w
  test -f "$prefix/system.reg"
fi
# Windows stay unmanaged: Xvfb has no window manager, and Wine waits two seconds for one each
# time a managed window closes.
if ! grep -q '"Managed"="N"' "$prefix/user.reg" 2>/dev/null; then
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  wineserver -w
fi
