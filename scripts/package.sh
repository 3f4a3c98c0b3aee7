#!/usr/bin/env bash
# Makes the Windows packages: the installer TPQ700-<version>-x64.msi (packaging/windows) and the
# zip TPQ700-<version>-windows.zip for those who want no installer: one folder holding TPQ700.exe
# with the language files next to it, the command-line tool in cli\ (Windows file names ignore
# case, so tpq700.exe cannot sit beside TPQ700.exe), the sample designs with their lookup files,
# and the guide with its pictures.
# Usage: package.sh [--no-build] [--build-dir DIR] [--out DIR] [--no-msi]
#   --no-build      package what is built (default: build the windows preset first)
#   --build-dir DIR package the Windows build in DIR as it is (implies --no-build)
#   --out DIR       where the packages go (default: build)
#   --no-msi        the zip only
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)

do_build=yes
make_msi=yes
bin=$source_dir/build/windows
out=$source_dir/build
while [ $# -gt 0 ]; do
  case $1 in
    --no-build) do_build=no ;;
    --no-msi) make_msi=no ;;
    --build-dir | --out)
      [ $# -ge 2 ] || { echo "package.sh: $1 needs a folder" >&2; exit 2; }
      if [ "$1" = --out ]; then out=$2; else bin=$2 do_build=no; fi
      shift ;;
    -h | --help) sed -n '2,11p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) echo "package.sh: unknown argument '$1' (see --help)" >&2; exit 2 ;;
  esac
  shift
done
# Folders given on the command line are the caller's.
case $out in /*) ;; *) out=$PWD/$out ;; esac
case $bin in /*) ;; *) bin=$PWD/$bin ;; esac
cd "$source_dir"

if [ $do_build = yes ]; then
  cmake --preset windows >/dev/null
  cmake --build --preset windows
fi
gui=$bin/app/win32/TPQ700.exe
cli=$bin/tpq700.exe
for f in "$gui" "$cli"; do
  if [ ! -f "$f" ]; then
    echo "package.sh: $f not found; build the windows preset first" >&2
    exit 1
  fi
done

version=$(sed -n 's/^project(q700 VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
name=TPQ700-${version:?no version in CMakeLists.txt}
stage=$(mktemp -d)
mkdir -p "$out"
zip=$out/$name-windows.zip
trap 'rm -rf "$stage" "$zip.tmp"' EXIT
root=$stage/$name
mkdir -p "$root/cli" "$root/samples" "$root/docs"

cp "$gui" "$root/"
cp "$cli" "$root/cli/"
# The program lists the *.lng files of its own folder in the Preferences dialog.
cp samples/*.lng "$root/"
cp samples/*.TPX "$root/samples/"
for f in samples/*.txt; do
  # russian.txt is the source of the language file, not a lookup file.
  [ "$(basename "$f")" = russian.txt ] || cp "$f" "$root/samples/"
done
# Spreadsheet exports that the guide makes lookup files of.
cp samples/*.csv "$root/samples/"
# The guide may not be written yet; its pictures are taken by scripts/screenshots.sh.
if [ -f docs/guide.md ]; then cp docs/guide.md "$root/docs/"; fi
for f in docs/*.png; do
  if [ -f "$f" ]; then cp "$f" "$root/docs/"; fi
done

rm -f "$zip"
# Every entry is dated at the last commit rather than at whenever it was copied. The UTF-8 locale
# makes the archiver store the Cyrillic file name in UTF-8 and flag it so for Windows.
stamp=$(git log -1 --format=%cd --date=format-local:'%Y-%m-%d %H:%M:%S' 2>/dev/null ||
  date -u '+%Y-%m-%d %H:%M:%S')
(cd "$stage" && TZ=UTC LC_ALL=C.UTF-8 cmake -E tar cf "$zip.tmp" --format=zip --mtime="$stamp" \
  -- "$name")
mv "$zip.tmp" "$zip"
echo "wrote $zip"
if [ $make_msi = yes ]; then
  bash packaging/windows/make_msi.sh "$bin" "$out/$name-x64.msi"
fi
