#!/usr/bin/env bash
# The Debian package of the tool as an administrator meets it: made by CPack from the native
# build, clean for lintian, installed with dpkg -i (the tool on the PATH answers --version, its man
# page and completion are there, the guide and samples under /usr/share/doc/tpq700), and gone
# again with dpkg -r. Needs root for dpkg; skipped (77) with the reason otherwise.
# Usage: debian_package.sh NATIVE-BUILD-FOLDER
set -u
build=$(cd "$1" && pwd) || exit 1
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
source "$source_dir/tests/e2e/checks.sh"
skip() {
  echo "SKIP: $*"
  exit 77
}
[ "$(id -u)" -eq 0 ] || skip "dpkg -i needs root"
for tool in cpack dpkg dpkg-deb man; do
  command -v $tool >/dev/null || skip "$tool is not installed (scripts/install-deps.sh)"
done
if dpkg-query -W -f='${Status}' tpq700 2>/dev/null | grep -q "install ok installed"; then
  skip "a tpq700 package is installed on this machine; the test would replace it"
fi
[ -f "$build/CPackConfig.cmake" ] || skip "no CPack configuration in $build"

work=$(mktemp -d)
installed=no
cleanup() {
  [ $installed = yes ] && dpkg -r tpq700 >/dev/null 2>&1
  rm -rf "$work"
}
trap cleanup EXIT
cd "$work"
version=$(sed -n 's/^project(q700 VERSION \([0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")
arch=$(dpkg --print-architecture)

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >cpack.log 2>&1 ||
  { cat cpack.log >&2; fail "cpack failed"; finish "debian package"; }
deb=$work/out/tpq700_${version}_$arch.deb
[ -f "$deb" ] || { fail "no $(basename "$deb") in: $(ls out)"; finish "debian package"; }

# What the package holds: the tool, its page and completion, the documentation; nothing else.
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }' | sort >listed
{
  echo usr/bin/tpq700
  echo usr/share/man/man1/tpq700.1.gz
  echo usr/share/bash-completion/completions/tpq700
  for f in guide.md copyright changelog.gz; do echo "usr/share/doc/tpq700/$f"; done
  for f in "$source_dir"/docs/*.png; do echo "usr/share/doc/tpq700/$(basename "$f")"; done
  for f in STOCK.TPX DELIVERY.TPX articles.txt suppliers.txt; do
    echo "usr/share/doc/tpq700/samples/$f"
  done
} | sort >expected
diff -u expected listed >diff.txt || fail "package contents differ:
$(cat diff.txt)"
control=$(dpkg-deb -f "$deb" Package Version Architecture Depends)
grep -qx "Version: $version" <<<"$control" || fail "control: $control"
grep -q "^Depends: .*libc6" <<<"$control" || fail "no dependency on the C library: $control"

if command -v lintian >/dev/null; then
  lintian "$deb" >lintian.txt 2>&1
  if grep -q '^E:' lintian.txt; then fail "lintian reports errors:
$(grep '^E:' lintian.txt)"; fi
else
  fail "lintian is not installed (scripts/install-deps.sh)"
fi

if dpkg -i "$deb" >dpkg.log 2>&1; then
  installed=yes
else
  fail "dpkg -i failed: $(cat dpkg.log)"
  finish "debian package"
fi
[ "$(command -v tpq700)" = /usr/bin/tpq700 ] || fail "tpq700 on the PATH is $(command -v tpq700)"
[ "$(/usr/bin/tpq700 --version)" = "tpq700 $version" ] ||
  fail "tpq700 --version: $(/usr/bin/tpq700 --version 2>&1)"
# A project file is 18,954 bytes.
/usr/bin/tpq700 new "$work/a.TPX" >/dev/null 2>&1 && [ "$(stat -c %s "$work/a.TPX")" = 18954 ] ||
  fail "the installed tool wrote no new design"
# The page opens by name and carries every command's own help.
MANWIDTH=100 man tpq700 2>man.err | col -b >man.txt
grep -q "^NAME" man.txt && grep -q "tpq700 - " man.txt || fail "man tpq700: $(head -5 man.txt; cat man.err)"
for c in download receive terminal; do
  grep -q "Usage: tpq700 $c" man.txt || fail "man tpq700 lacks the help of $c"
done
# Installed completion answers as bash-completion loads it: by the command's name.
words=$(bash -c 'source /usr/share/bash-completion/completions/tpq700
  COMP_WORDS=(tpq700 download --v); COMP_CWORD=2; _tpq700; echo "${COMPREPLY[*]}"')
[ "$words" = "--via" ] || fail "installed completion of 'tpq700 download --v': '$words'"
cmp -s /usr/share/doc/tpq700/guide.md "$source_dir/docs/guide.md" || fail "guide.md differs"
cmp -s /usr/share/doc/tpq700/samples/STOCK.TPX "$source_dir/samples/STOCK.TPX" ||
  fail "samples/STOCK.TPX differs"

if dpkg -r tpq700 >dpkg.log 2>&1; then
  installed=no
else
  fail "dpkg -r failed: $(cat dpkg.log)"
fi
for f in $(cat expected); do
  [ ! -e "/$f" ] || fail "/$f is left after dpkg -r"
done
[ ! -e /usr/share/doc/tpq700 ] || fail "/usr/share/doc/tpq700 is left after dpkg -r"
finish "debian package"
