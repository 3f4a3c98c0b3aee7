#!/usr/bin/env bash
# The MSI as an administrator deploys it, under Wine in a fresh prefix: a silent install puts the
# program, the language files, the tool, the samples and the guide under Program Files, the Start
# menu entries, the .TPX file type and the entry of installed programs; a newer version replaces
# it and an older one is refused; a silent removal leaves nothing of ours but the user's
# preferences and designs. With --open, the program started from its Start menu entry and a
# design opened through the file type (this needs an X display: its own Xvfb when none).
# Usage: windows_installer.sh MSI WINDOWS-BUILD-FOLDER PREFIX [--open]
set -u
if [ "${4:-}" = --open ] && [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi
msi=$1
bin=$(cd "$2" && pwd) || exit 1
prefix=$3
case $prefix in /*) ;; *) prefix=$PWD/$prefix ;; esac
mode=${4:-install}
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
source "$source_dir/tests/e2e/checks.sh"
[ -f "$msi" ] || { echo "SKIP: no $msi (wixl was missing when the build was configured)"; exit 77; }
msi=$(cd "$(dirname "$msi")" && pwd)/$(basename "$msi")
version=$(sed -n 's/^project(q700 VERSION \([0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")

work=$(mktemp -d)
# The menu builder would copy the Start menu entries and the file type into the desktop of the
# user running the test.
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
cleanup() {
  wineserver -k >/dev/null 2>&1
  rm -rf "$work"
  # A prefix is most of a gigabyte: kept only to look into a failure.
  if [ "$failures" -eq 0 ]; then rm -rf "$prefix"; else echo "prefix kept: $prefix" >&2; fi
}
trap cleanup EXIT
cd "$work"

rm -rf "$prefix"
bash "$source_dir/scripts/wine-prefix.sh" "$prefix" || { echo "FAIL: no Wine prefix" >&2; exit 1; }
drive=$prefix/drive_c
install_dir=$drive/"Program Files"/TPQ700
user_dir=$drive/users/$(id -un)
prefs=$user_dir/AppData/Roaming/MIRDANTO/TPQ700.ini
# Wine links the user's Documents to the Unix home: the test's designs stay in the prefix.
designs=$drive/designs

# The registry's keys (no values, no times), once Wine has written them out.
registry_keys() {
  wineserver -w
  cat "$prefix/system.reg" "$prefix/user.reg" | sed -n 's/^\[\(.*\)\] [0-9]*$/\1/p' | sort -u
}
files_of_prefix() { (cd "$drive" && find . -path ./users/*/Temp -prune -o -print | sort); }
value() {  # KEY [NAME]: the data of a registry value, or nothing
  local out
  if [ -n "${2:-}" ]; then out=$(wine reg query "$1" /v "$2" 2>/dev/null); else
    out=$(wine reg query "$1" /ve 2>/dev/null)
  fi
  sed -n 's/^ *[^ ].*  *REG_[A-Z_]*  *//p' <<<"$out" | head -n 1 | tr -d '\r'
}
msiexec() { wine msiexec "$@" >/dev/null 2>&1; }
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
# The product codes of the installed versions of ours.
our_products() {
  wine reg query "$uninstall_key" /s 2>/dev/null | tr -d '\r' |
    awk '/^HKEY/ { key = $0 } /DisplayName .*Q700 Application Generator$/ { print key }' |
    sed 's/.*\\//'
}
start_menu_dir() {  # where Wine put the Start menu folder (all users' or the user's)
  local d
  for d in "$drive/ProgramData/Microsoft/Windows/Start Menu/Programs" \
    "$user_dir/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"; do
    if [ -d "$d/Q700 Application Generator" ]; then
      echo "$d/Q700 Application Generator"
      return
    fi
  done
}

keys_before=$(registry_keys)
files_before=$(files_of_prefix)
msiexec /i "$(winepath -w "$msi")" /qn || fail "msiexec /i /qn failed"
[ -f "$install_dir/TPQ700.exe" ] || { fail "nothing installed"; finish "installer"; }
menu=$(start_menu_dir)

if [ "$mode" = --open ]; then
  # A window whose title holds TEXT within SECONDS; its id, or nothing.
  window_named() {
    local i w
    for i in $(seq $(($2 * 2))); do
      w=$(xdotool search --name "$1" 2>/dev/null | head -n 1)
      [ -n "$w" ] && { echo "$w"; return; }
      sleep 0.5
    done
  }
  stop_program() {
    wineserver -k >/dev/null 2>&1
    wineserver -w
    rm -f "$prefs"
  }
  # The Start menu entry starts the program: its main window appears.
  if [ -z "$menu" ]; then
    fail "no Start menu folder"
  else
    wine start /unix "$menu/Q700 Application Generator.lnk" >/dev/null 2>&1 &
    [ -n "$(window_named 'Генератор Приложений' 30)" ] || fail "the Start menu entry started no program"
    stop_program
  fi
  # Double-clicking a design: the shell runs the file type's command, the program opens the
  # design as Open would, and the editor's caption names the file.
  mkdir -p "$designs"
  cp "$source_dir/samples/STOCK.TPX" "$designs/"
  wine start 'C:\designs\STOCK.TPX' >/dev/null 2>&1 &
  opened=$(window_named 'designs\\STOCK\.TPX' 20)
  stop_program
  if [ -z "$opened" ]; then
    # Without the file type: is it the program that does not take a design yet?
    wine "$install_dir/TPQ700.exe" 'C:\designs\STOCK.TPX' >/dev/null 2>&1 &
    direct=$(window_named 'designs\\STOCK\.TPX' 20)
    stop_program
    if [ -z "$direct" ] && [ "$failures" -eq 0 ]; then
      echo "SKIP: TPQ700.exe does not open a design named on its command line, so the file" \
        "type's open cannot be seen; the rest passed"
      exit 77
    fi
    fail "opening C:\\designs\\STOCK.TPX through its file type showed no window naming it"
  fi
  finish "installer: Start menu entry and file type"
  exit 0
fi

# The files: those of the zip, the icon the file type shows, and the guide as a web page.
(cd "$install_dir" && find . -type f | sed 's|^\./||' | sort) >installed
{
  printf '%s\n' TPQ700.exe TPQ700.ico cli/tpq700.exe docs/guide.md docs/guide.html
  for f in "$source_dir"/samples/*.lng; do basename "$f"; done
  for f in STOCK.TPX DELIVERY.TPX articles.txt suppliers.txt; do echo "samples/$f"; done
  for f in "$source_dir"/docs/*.png; do echo "docs/$(basename "$f")"; done
} | sort >expected
diff -u expected installed >diff.txt || fail "installed files differ:
$(cat diff.txt)"
same() { cmp -s "$install_dir/$1" "$2" || fail "$1 is not $2"; }
same TPQ700.exe "$bin/app/win32/TPQ700.exe"
same cli/tpq700.exe "$bin/tpq700.exe"
same TPQ700.ico "$source_dir/resources/art/TPQ700.ico"
same docs/guide.md "$source_dir/docs/guide.md"
for f in "$source_dir"/samples/*.lng "$source_dir"/samples/*.TPX; do
  same "$(basename "$f" | sed '/\.TPX$/s|^|samples/|')" "$f"
done
# The web page of the guide: its contents links lead to its headings, its pictures are there.
guide=$install_dir/docs/guide.html
for anchor in $(grep -o 'href="#[^"]*"' "$guide" | sed 's/href="#\(.*\)"/\1/' | sort -u); do
  grep -q "id=\"$anchor\"" "$guide" || fail "guide.html links to #$anchor, which it lacks"
done
[ "$(grep -c '<img ' "$guide")" -ge 5 ] || fail "guide.html shows fewer than 5 pictures"
for picture in $(grep -o '<img [^>]*src="[^"]*"' "$guide" | sed 's/.*src="\([^"]*\)"/\1/'); do
  [ -f "$install_dir/docs/$picture" ] || fail "guide.html shows $picture, which is not installed"
done

# The Start menu: the program and the guide, each a link to its installed file.
if [ -z "$menu" ]; then
  fail "no Start menu folder 'Q700 Application Generator'"
else
  for pair in "Q700 Application Generator.lnk|TPQ700.exe" "Q700 User Guide.lnk|docs\\guide.html"; do
    link=$menu/${pair%|*}
    target="C:\\Program Files\\TPQ700\\${pair#*|}"
    if [ ! -f "$link" ]; then
      fail "no Start menu entry ${pair%|*}"
    elif ! { strings -a "$link"; strings -a -el "$link"; } | grep -qixF "$target"; then
      fail "${pair%|*} does not lead to $target"
    fi
  done
fi

# The file type: .TPX is a design, shown with the program's icon, opened by the program.
[ "$(value 'HKCR\.TPX')" = Q700.Design ] || fail ".TPX is '$(value 'HKCR\.TPX')'"
command=$(value 'HKCR\Q700.Design\shell\open\command')
[ "$command" = '"C:\Program Files\TPQ700\TPQ700.exe" "%1"' ] || fail "open command: '$command'"
icon=$(value 'HKCR\Q700.Design\DefaultIcon')
[ "$icon" = 'C:\Program Files\TPQ700\TPQ700.ico' ] || fail "file type icon: '$icon'"

# The entry of installed programs.
products=$(our_products)
[ "$(wc -l <<<"$products")" -eq 1 ] && [ -n "$products" ] ||
  fail "installed programs list '$products' for us"
entry="$uninstall_key\\$products"
[ "$(value "$entry" DisplayVersion)" = "$version" ] ||
  fail "DisplayVersion '$(value "$entry" DisplayVersion)'"
[ "$(value "$entry" Publisher)" = MIRDANTO ] || fail "Publisher '$(value "$entry" Publisher)'"
[ "$(value "$entry" InstallLocation)" = 'C:\Program Files\TPQ700\' ] ||
  fail "InstallLocation '$(value "$entry" InstallLocation)'"
grep -qi "msiexec.exe /x$products" <<<"$(value "$entry" UninstallString)" ||
  fail "UninstallString '$(value "$entry" UninstallString)'"

# The user's own files, which no removal may touch.
mkdir -p "$(dirname "$prefs")" "$designs"
printf 'preferences\r' >"$prefs"
cp "$source_dir/samples/STOCK.TPX" "$designs/mine.TPX"

# A newer version replaces this one; an older one is then refused and changes nothing.
major=${version%%.*}
minor=${version#*.}
minor=${minor%%.*}
newer=$major.$((10#$minor + 1))
bash "$source_dir/packaging/windows/make_msi.sh" "$bin" "$work/newer.msi" "$newer" >/dev/null ||
  fail "no MSI of version $newer"
msiexec /i "$(winepath -w "$work/newer.msi")" /qn || fail "the upgrade to $newer failed"
upgraded=$(our_products)
[ "$(wc -l <<<"$upgraded")" -eq 1 ] && [ "$upgraded" != "$products" ] ||
  fail "after the upgrade the installed programs list '$upgraded' (was '$products')"
[ "$(value "$uninstall_key\\$upgraded" DisplayVersion)" = "$newer" ] || fail "upgrade not to $newer"
[ -f "$install_dir/TPQ700.exe" ] || fail "the upgrade removed the program"
if msiexec /i "$(winepath -w "$msi")" /qn; then fail "$version installed over $newer"; fi
[ "$(our_products)" = "$upgraded" ] || fail "the refused downgrade changed the installed programs"

# A silent removal, as a fleet's script runs it: by product code.
msiexec /x "$upgraded" /qn || fail "msiexec /x $upgraded /qn failed"
[ -z "$(our_products)" ] || fail "still listed after removal: $(our_products)"
[ -f "$prefs" ] && [ "$(cat "$prefs")" = $'preferences\r' ] || fail "the removal touched the preferences"
cmp -s "$designs/mine.TPX" "$source_dir/samples/STOCK.TPX" || fail "the removal touched a design"
# Nothing else is left: every file and key is one that was there before, the user's, or an empty
# folder of the installer service's own (made at its first install, kept like on Windows).
files_of_prefix | grep -vxF -f <(printf '%s\n' "$files_before") |
  grep -vx -e './designs.*' -e '.*/AppData/Roaming/MIRDANTO.*' -e './windows/Installer' >left.txt
[ ! -s left.txt ] || fail "files left after removal:
$(cat left.txt)"
registry_keys | grep -vxF -f <(printf '%s\n' "$keys_before") |
  grep -vxE 'Software\\\\(Classes|Microsoft\\\\Windows\\\\CurrentVersion)\\\\Installer(\\\\UserData\\\\S-1-5-18)?\\\\(Features|Products|UpgradeCodes|Components)' \
    >left.txt
[ ! -s left.txt ] || fail "registry keys left after removal:
$(cat left.txt)"
finish "installer"
