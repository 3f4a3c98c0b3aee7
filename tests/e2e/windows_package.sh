#!/usr/bin/env bash
# The Windows packages: scripts/package.sh writes the MSI and zips the programs, the language
# file beside TPQ700.exe, the samples and the documentation, nothing else, each file as it is in
# the build or the checkout, with no two names that Windows would take for one. Skipped (77)
# without the Windows build. Usage: windows_package.sh WINDOWS-BUILD-FOLDER
set -u
bin=$(cd "$1" 2>/dev/null && pwd) || exit 77
[ -f "$bin/app/win32/TPQ700.exe" ] && [ -f "$bin/tpq700.exe" ] || exit 77
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export LC_ALL=C.UTF-8
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

bash "$source_dir/scripts/package.sh" --build-dir "$bin" --out "$work/out" >/dev/null 2>"$work/err" ||
  fail "package.sh: $(cat "$work/err")"
zips=("$work"/out/*.zip)
if [ ${#zips[@]} -ne 1 ] || [ ! -f "${zips[0]}" ]; then
  fail "expected one zip, found: $(ls "$work/out" 2>&1)"
  exit 1
fi
zip=${zips[0]}
version=$(sed -n 's/^project(q700 VERSION \([0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")
top=TPQ700-$version
[ "$(basename "$zip")" = "$top-windows.zip" ] || fail "zip named $(basename "$zip")"
# The installer comes beside it (e2e_windows_installer tries it under Wine).
[ -s "$work/out/$top-x64.msi" ] || fail "no $top-x64.msi beside the zip"

# The files of the zip, against the list of what belongs in it.
cmake -E tar tf "$zip" | grep -v '/$' | sort >"$work/listed"
{
  printf '%s\n' "$top/TPQ700.exe" "$top/cli/tpq700.exe" "$top/Русский.lng"
  for f in STOCK.TPX DELIVERY.TPX articles.txt suppliers.txt articles.csv; do
    echo "$top/samples/$f"
  done
  for f in "$source_dir"/docs/guide.md "$source_dir"/docs/*.png; do
    [ -f "$f" ] && echo "$top/docs/$(basename "$f")"
  done
} | sort >"$work/expected"
diff -u "$work/expected" "$work/listed" >"$work/diff" || fail "contents differ:
$(cat "$work/diff")"
grep -q "^$top/docs/.*\.png$" "$work/listed" || fail "no pictures in docs/"

# Windows file names ignore case: two names that differ only in case would overwrite each other.
clashes=$(tr '[:upper:]' '[:lower:]' <"$work/listed" | sort | uniq -d)
[ -z "$clashes" ] || fail "names that Windows takes for one: $clashes"

# Each file is the one it was made from.
mkdir "$work/x"
(cd "$work/x" && cmake -E tar xf "$zip") || fail "the zip does not unpack"
check() {  # ENTRY SOURCE
  cmp -s "$work/x/$top/$1" "$2" || fail "$1 is not $2"
}
check TPQ700.exe "$bin/app/win32/TPQ700.exe"
check cli/tpq700.exe "$bin/tpq700.exe"
check Русский.lng "$source_dir/samples/Русский.lng"
check samples/STOCK.TPX "$source_dir/samples/STOCK.TPX"
check samples/articles.txt "$source_dir/samples/articles.txt"
check samples/articles.csv "$source_dir/samples/articles.csv"
for f in "$source_dir"/docs/guide.md "$source_dir"/docs/*.png; do
  [ -f "$f" ] && check "docs/$(basename "$f")" "$f"
done

# Windows shows the Cyrillic name only when its entry carries the UTF-8 flag (bit 11 of the
# general purpose flags): find the central directory entry of that name.
name_bytes=$(printf '%s' "$top/Русский.lng" | od -An -tx1 | tr -d ' \n')
hex=$(od -An -tx1 -v "$zip" | tr -d ' \n')
# Central directory header: signature 504b0102, flags at byte 8, the name at byte 46.
header=$(grep -o "504b0102.\{84\}$name_bytes" <<<"$hex" | head -1)
if [ -z "$header" ]; then
  fail "no central directory entry named $top/Русский.lng"
else
  flags=$((16#${header:18:2}${header:16:2}))
  [ $((flags & 0x800)) -ne 0 ] || fail "Русский.lng is not flagged as a UTF-8 name (flags $flags)"
fi

# A missing build is reported and leaves no zip behind.
if bash "$source_dir/scripts/package.sh" --build-dir "$work/none" --out "$work/none-out" \
  >/dev/null 2>"$work/err"; then
  fail "package.sh succeeded without a build"
fi
[ -s "$work/err" ] || fail "package.sh said nothing about the missing build"
[ ! -e "$work/none-out" ] || fail "package.sh left $(ls "$work/none-out") without a build"

[ $failures -eq 0 ] && echo "windows package: all checks passed"
exit $((failures > 0))
