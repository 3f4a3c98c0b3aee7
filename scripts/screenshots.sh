#!/usr/bin/env bash
# Takes the pictures of the documentation and the user guide (docs/guide.md): runs the GUI tests
# of the Windows build under Xvfb and Wine with Q700_SCREENSHOT_DIR set, then turns the bitmaps
# they save into PNG files in docs/, and pictures the installed program's Start menu entries.
# Brings the Windows build up to date first, so the pictures show the sources as they are.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/windows
tests=$build/tests/gui/gui_tests.exe
cmake --preset windows >/dev/null
cmake --build --preset windows
scripts/wine-prefix.sh "$PWD/$build/wineprefix"
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
export WINEPREFIX=$PWD/$build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# The folder as Wine sees it, worked out without starting Wine outside the virtual display.
export Q700_SCREENSHOT_DIR="Z:${shots//\//\\}"
xvfb-run -a -s "-screen 0 1280x1024x24" wine "$tests" --gtest_filter='*Screenshots.*'
# The program in Russian: its language file is in code page 1251, Wine's ANSI code page when the
# locale is Russian (those pictures are skipped in the run above).
LC_ALL=ru_RU.UTF-8 xvfb-run -a -s "-screen 0 1280x1024x24" wine "$tests" \
  --gtest_filter='RussianScreenshots.*'
mkdir -p docs
for bmp in "$shots"/*.bmp; do
  png=docs/$(basename "${bmp%.bmp}").png
  # Without the time stamps and other metadata, an unchanged picture gives the same file again.
  convert "$bmp" -strip "$png"
  echo "wrote $png"
done
# The Start menu entries of the installed program, from the MSI the build has just made.
bash scripts/installer_screenshot.sh
