#!/usr/bin/env bash
# Makes the Russian language file Русский.lng from its UTF-8 source russian.txt: drops comment
# lines (starting with #) and blank lines, turns \t into a tab, drops a final | (which keeps the
# blanks before it: the terminal texts are padded to their screen widths), converts the text to
# the Windows code page of Russian (1251) and ends every line in CR LF, as language files are.
# Usage: make_language.sh [FOLDER]  (default: this folder)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here}
mkdir -p "$out"
target="$out/Русский.lng"
sed -e '/^#/d' -e '/^$/d' -e 's/\\t/\t/g' -e 's/|$//' "$here/russian.txt" |
  iconv -f UTF-8 -t CP1251 | sed -e 's/$/\r/' >"$target.tmp"
size=$(wc -c <"$target.tmp")
# The program reads at most 17,000 bytes of a language file.
if [ "$size" -gt 17000 ]; then
  rm -f "$target.tmp"
  echo "make_language.sh: $target would be $size bytes; a language file may have 17,000" >&2
  exit 1
fi
mv "$target.tmp" "$target"
echo "wrote $target ($size bytes)"
