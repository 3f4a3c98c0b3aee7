#!/usr/bin/env bash
# Takes the guide's picture of the installed program's Start menu entries: installs the MSI of
# the Windows build in a scratch Wine prefix, opens the Start menu of Wine's desktop on Programs,
# Q700 Application Generator, and writes docs/start-menu.png (without metadata).
# Usage: installer_screenshot.sh [MSI]   (default: the windows preset's MSI; build it first)
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi
version=$(sed -n 's/^project(q700 VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
msi=${1:-build/windows/TPQ700-$version-x64.msi}
[ -f "$msi" ] || { echo "installer_screenshot.sh: no $msi; build the windows preset" >&2; exit 1; }
prefix=$PWD/build/windows/screenshot-prefix
shot=$(mktemp --suffix=.png)
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
trap 'wineserver -k >/dev/null 2>&1; rm -rf "$prefix" "$shot"' EXIT
rm -rf "$prefix"
scripts/wine-prefix.sh "$prefix"
wine msiexec /i "$(winepath -w "$msi")" /qn
# A desktop named "shell" has Wine's taskbar with its Start button at the bottom left.
wine explorer /desktop=shell,800x600 >/dev/null 2>&1 &
for _ in $(seq 40); do
  xdotool search --name 'shell - Wine desktop' >/dev/null 2>&1 && break
  sleep 0.5
done
sleep 2
# Start, Programs, the program's folder, its first entry: each menu opens beside the last.
xdotool mousemove 28 590 click 1
sleep 1.5
for point in "50 525" "150 525" "200 525" "350 525" "400 525"; do
  xdotool mousemove $point
  sleep 1
done
import -window root "$shot"
convert "$shot" -crop 520x130+0+470 +repage -strip docs/start-menu.png
echo "wrote docs/start-menu.png"
