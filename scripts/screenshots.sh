#!/usr/bin/env bash
# Takes the pictures of the README and the user guide (docs/guide.md) with the picture tool of
# the Windows build (tools/pictures), under Xvfb and Wine, and turns its bitmaps into PNG files in
# docs/, and pictures the installed program's Start menu entries. The samples are copied into the
# Wine prefix as C:\Samples first, so the pictures show the path a user's copy of them has, not a
# temporary folder.
# Brings the Windows build up to date first, so the pictures show the sources as they are.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/windows
tool=$build/tools/pictures/pictures.exe
cmake --preset windows >/dev/null
cmake --build --preset windows
prefix=$PWD/$build/wineprefix
scripts/wine-prefix.sh "$prefix"
rm -rf "$prefix/drive_c/Samples"
cp -R samples "$prefix/drive_c/Samples"
# Wine in a Russian locale cannot reach the Cyrillic name of the language file: a plain-named copy.
cp "samples/Русский.lng" "$prefix/drive_c/russian.lng"
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# The folder as Wine sees it, worked out without starting Wine outside the virtual display.
out="Z:${shots//\//\\}"
xvfb-run -a -s "-screen 0 1280x1024x24" wine "$tool" --samples 'C:\Samples' "$out"
# The program in Russian: its language file is in code page 1251, Wine's ANSI code page when the
# locale is Russian.
LC_ALL=ru_RU.UTF-8 xvfb-run -a -s "-screen 0 1280x1024x24" wine "$tool" --samples 'C:\Samples' \
  --language 'C:\russian.lng' --russian "$out"
mkdir -p docs
for bmp in "$shots"/*.bmp; do
  png=docs/$(basename "${bmp%.bmp}").png
  # Without the time stamps and other metadata, an unchanged picture gives the same file again.
  convert "$bmp" -strip "$png"
  echo "wrote $png"
done
# The Start menu entries of the installed program, from the MSI the build has just made.
bash scripts/installer_screenshot.sh
