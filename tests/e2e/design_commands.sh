#!/usr/bin/env bash
# Runs tpq700 new, set, show --json, convert and image as processes and checks bytes of the
# files they write. Usage: design_commands.sh PATH/TO/tpq700
set -u
# shellcheck source=checks.sh
source "$(dirname "${BASH_SOURCE[0]}")/checks.sh"
tool=$1
work=$(mktemp -d)
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
chmod 755 "$work"
cd "$work" || exit 1

# The bytes of FILE from OFFSET, COUNT of them, as lower-case hex pairs separated by blanks.
bytes() {
  od -A n -t x1 -v -j "$2" -N "$3" "$1" | tr -s ' \n' ' ' | sed 's/^ //; s/ $//'
}

expect_bytes() {  # FILE OFFSET "hex ..." WHAT
  local count got
  count=$(wc -w <<<"$3")
  got=$(bytes "$1" "$2" "$count")
  [ "$got" = "$3" ] || fail "$4: $1 at $2 holds '$got', expected '$3'"
}

expect_size() {  # FILE SIZE
  local got
  got=$(wc -c <"$1")
  [ "$got" -eq "$2" ] || fail "$1 is $got bytes, expected $2"
}

expect_zeros() {  # FILE OFFSET COUNT WHAT
  cmp -s -i "$2:0" -n "$3" "$1" /dev/zero || fail "$4: $1 has non-zero bytes from $2"
}

expect_status() {  # STATUS WHAT COMMAND...
  local want=$1 what=$2
  shift 2
  "$@" >out.txt 2>err.txt
  local got=$?
  [ "$got" -eq "$want" ] || fail "$what: exit status $got, expected $want ($(cat err.txt))"
}

hex() {  # the hex pairs of a printf format
  printf "$1" | od -A n -t x1 -v | tr -s ' \n' ' ' | sed 's/^ //; s/ $//'
}

# --- new: the layout of a new design.
expect_status 0 "new" "$tool" new a.TPX
expect_size a.TPX 18954
expect_bytes a.TPX 0 "$(hex 'Q700RU004\0')" "header"
expect_bytes a.TPX 12 "9b c9 00 3f 80 2d 54 80 00 19 3d 00 43 01 fe 01 ff 01 ff 01 66 03 c0" \
  "barcode defaults"
expect_bytes a.TPX 18574 "04" "model revision"
expect_bytes a.TPX 18842 "da ab 01 00 32 33 07 00 02 00 04 00" "weight-code defaults"
expect_zeros a.TPX 18854 100 "trailer"
expect_status 1 "new over an existing file" "$tool" new a.TPX

# --- set: choices by label, texts, and the large-font cases of the download.
expect_status 0 "set" "$tool" set a.TPX "settings.start=menu 1" menu.2.font=large \
  menu.2.item.1.text=Stock form.1.font=large form.1.line.1.type=text form.1.line.2.type=text \
  form.1.line.3.type=text form.1.line.4.type=text form.1.line.5.type=text \
  form.1.line.6.type=text
expect_size a.TPX 18954
expect_bytes a.TPX 18575 "01" "start target in the file"
expect_bytes a.TPX 408 "$(hex 'Stock\0')" "menu 2 item 1 in the file"
cp a.TPX before.TPX
expect_status 1 "set with a bad value" "$tool" set a.TPX "settings.start=menu 2"
cmp -s a.TPX before.TPX || fail "a refused set changed the file"
expect_status 1 "set of an unknown field" "$tool" set a.TPX no.such.field=1
grep -q "no.such.field" err.txt || fail "the unknown field is not named: $(cat err.txt)"
expect_status 2 "set without an assignment" "$tool" set a.TPX

# --- show --json
expect_status 0 "show --json" "$tool" show a.TPX --json
for line in '"settings.revision": 4,' '"settings.start": "menu 1",' '"form.3.next": "form 3",' \
  '"texts.main_menu.0": "1.Collect   ",' '"menu.2.item.1.text": "Stock",'; do
  grep -qF -- "$line" out.txt || fail "show --json lacks $line"
done

# --- image: offsets of the image, the project file unchanged.
expect_status 0 "image" "$tool" image a.TPX a.bin
expect_size a.bin 20000
cmp -s a.TPX before.TPX || fail "image changed the project file"
expect_bytes a.bin 0 "9b c9 00 3f 80 2d 54 80 00 19 3d 00 43 01 fe 01 ff 01 ff 01 66 03 c0" \
  "image barcode block"
expect_bytes a.bin 16103 "$(hex '1.Collect      \0')" "main-menu text with its blanks"
expect_bytes a.bin 18563 "0b" "start target menu 1 in the image"
expect_bytes a.bin 396 "$(hex 'Stock       \0')" "large-font item padded to 12"
expect_bytes a.bin 4536 "04" "line count of the large-font form"
expect_bytes a.bin 3556 "00 00" "lines 5 and 6 of the large-font form"
expect_bytes a.bin 18830 "da ab 01 00 32 33 07 00 02 00 04 00" "image weight-code block"
expect_zeros a.bin 18842 1158 "image tail"
expect_status 1 "image into a missing folder" "$tool" image a.TPX missing/a.bin
grep -q "File open/create failed!" err.txt || fail "no failure message: $(cat err.txt)"
[ ! -e missing ] || fail "the missing folder appeared"

# --- convert: an old header and revision 1.
expect_status 0 "new old" "$tool" new old.TPX
expect_status 0 "set revision 1" "$tool" set old.TPX settings.key_click=5 weight.key_field=6 \
  "form.2.error_target=form 1" settings.revision=1
printf 'Q700-1.00' | dd of=old.TPX conv=notrunc status=none
expect_bytes old.TPX 18574 "01" "revision 1 written"
expect_status 0 "convert" "$tool" convert old.TPX converted.TPX
[ "$(cat err.txt)" = "tpq700: Warning: old.TPX: converted from an older format; the file written has the new one" ] ||
  fail "convert did not warn once, in English: $(cat err.txt)"
expect_size converted.TPX 18954
expect_bytes converted.TPX 0 "$(hex 'Q700RU004\0')" "converted header"
expect_bytes converted.TPX 18574 "04" "converted revision"
expect_bytes converted.TPX 18711 "02" "key click reset by the upgrade"
expect_bytes converted.TPX 18842 "da ab 01 00 32 33 07 00 02 00 04 00" "weight-code reset"
expect_bytes converted.TPX $((3535 + 1215 + 1043)) "00" "error target cleared"
expect_status 0 "convert a current file" "$tool" convert converted.TPX again.TPX
[ ! -s err.txt ] || fail "a current file was reported: $(cat err.txt)"
cmp -s converted.TPX again.TPX || fail "converting a current file changed it"
printf 'Q700-1.01' >foreign.TPX
expect_status 1 "convert a foreign file" "$tool" convert foreign.TPX out.TPX
grep -qF "Error: Format mismatch !!!" err.txt || fail "no mismatch message: $(cat err.txt)"

# --- a save into a folder the user may not write keeps the old file. Root may write anywhere,
# so the tool then runs as nobody.
mkdir ro
cp before.TPX ro/a.TPX
chmod 644 ro/a.TPX
chmod 555 ro
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  if command -v setpriv >/dev/null; then
    as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
  else
    echo "SKIP: read-only folder (root without setpriv)" >&2
  fi
fi
if [ "$(id -u)" -ne 0 ] || [ ${#as_user[@]} -gt 0 ]; then
  expect_status 1 "set in a read-only folder" "${as_user[@]}" "$tool" set ro/a.TPX \
    "settings.start=form 1"
  grep -q "File open/create failed!" err.txt || fail "no failure message: $(cat err.txt)"
  cmp -s ro/a.TPX before.TPX || fail "the old file changed"
  [ "$(ls -A ro)" = "a.TPX" ] || fail "files left behind: $(ls -A ro)"
fi

finish "design commands"
