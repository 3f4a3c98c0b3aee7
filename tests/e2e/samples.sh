#!/usr/bin/env bash
# The samples: their scripts make the committed designs and language file byte for byte, the
# lookup files fit the lookup definitions, articles.csv converts to articles.txt, and each design
# runs in tpq700 simulate with the records worked out by hand. Usage: samples.sh PATH/TO/tpq700
set -u
# shellcheck source=checks.sh
source "$(dirname "${BASH_SOURCE[0]}")/checks.sh"
tool=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
samples=$(cd "$(dirname "$0")/../../samples" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

# The committed designs are what the script makes.
bash "$samples/make_samples.sh" "$tool" "$work/made" >/dev/null || fail "make_samples.sh"
for f in STOCK.TPX DELIVERY.TPX; do
  cmp -s "$samples/$f" "made/$f" || fail "$f differs from what make_samples.sh makes"
done

# The language file is what its script makes of its source.
bash "$samples/make_language.sh" "$work/made" >/dev/null || fail "make_language.sh"
cmp -s "$samples/Русский.lng" "made/Русский.lng" ||
  fail "Русский.lng differs from what make_language.sh makes of russian.txt"

# Lookup files: every line ends in CR LF; articles.txt has three tab-separated fields within the
# lengths of STOCK.TPX's lookup file 1 (13, 20, 7); suppliers.txt has records of 26 characters.
for f in articles.txt suppliers.txt; do
  [ "$(grep -c $'\r$' "$samples/$f")" -eq "$(wc -l <"$samples/$f")" ] || fail "$f: not CR LF"
done
awk -F'\t' '{ sub(/\r$/, "") }
  NF != 3 || length($1) != 13 || length($2) > 20 || length($3) > 7 { print; bad = 1 }
  END { exit bad }' "$samples/articles.txt" || fail "articles.txt: a record does not fit"
awk '{ sub(/\r$/, "") } length($0) != 26 { print; bad = 1 } END { exit bad }' \
  "$samples/suppliers.txt" || fail "suppliers.txt: a record is not 26 characters"
[ "$("$tool" get "$samples/STOCK.TPX" lookup.1.member_length lookup.1.field.3.offset |
  tr '\n' ' ')" = "42 36 " ] || fail "STOCK.TPX: delimited layout of lookup file 1"
"$tool" lookup check "$samples/STOCK.TPX" 1 "$samples/articles.txt" >/dev/null ||
  fail "articles.txt: lookup check"
"$tool" lookup check "$samples/DELIVERY.TPX" 1 "$samples/suppliers.txt" >/dev/null ||
  fail "suppliers.txt: lookup check"
# articles.csv, the stock system's export of the same articles, converts to articles.txt.
"$tool" lookup convert "$samples/STOCK.TPX" 1 "$samples/articles.csv" -o converted.txt \
  --columns "EAN,Description,Price" >/dev/null || fail "articles.csv: lookup convert"
cmp -s converted.txt "$samples/articles.txt" || fail "articles.csv does not convert to articles.txt"

now=--now=2026-03-05T09:07:30

# Stock taking. Collect opens menu 1, "1" the shelf form: A12 (A by multi-tap, committed by the
# alpha key) is composed with the date stamp below it (split off, no time) and passed down; the
# count form shows it and counts. Lines 5 and 6 lie beyond the line count (4) and are drawn.
cat >stock-shelf.txt <<'TXT'
|Loc:A12,2026/03/05|
|Item:|
|Desc:|
|Qty:|
|Count:0001|
||
||
||
state=form
selected=0
cursor=5,1
alpha=off
counter=1
clock=MAR05 09:07 0001
passdown=A12,2026/03/05
TXT
shelf="ENTER 1 ALPHA 2 ALPHA 1 2 ENTER"
expect_output "stock: shelf passed down" stock-shelf.txt \
  "$tool" simulate "$samples/STOCK.TPX" $now --keys "$shelf"

# Two counts (saved, so the buffer keeps the shelf, and each stored record is printed: the
# quantity zero-filled to five digits, the stamp below), then ESC back to the menu with its first
# item selected. ESC in a form flips the alpha mode, so it is on in the menu.
cat >stock-counted.txt <<'TXT'
|STOCK TAKING|
|1.Count|
|2.Check item|
||
||
||
||
||
state=menu
selected=2
cursor=5,1
alpha=on
counter=3
clock=MAR05 09:07 0003
passdown=A12,2026/03/05
record=4006381333931,00012,2026/03/05,09:07:30
record=4007817327098,00003,2026/03/05,09:07:30
TXT
expect_output "stock: two counts" stock-counted.txt \
  "$tool" simulate "$samples/STOCK.TPX" $now --keys "$shelf \
  4 0 0 6 3 8 1 3 3 3 9 3 1 ENTER 1 2 ENTER 4 0 0 7 8 1 7 3 2 7 0 9 8 ENTER 3 ENTER ESC"

# A quantity that is not a number is refused on the count form.
"$tool" simulate "$samples/STOCK.TPX" $now \
  --keys "$shelf 4 0 0 6 3 8 1 3 3 3 9 3 1 ENTER ALPHA 2 tick:7" >out.txt 2>&1
grep -qx '|Wrong data type!|' out.txt || fail "stock: a letter in Qty: is not refused"

# Delivery check-in. Form 1 (large font) is stamped on top (day.month.year with two digits and
# hour:minute, split), the note gets its prefix DN, and the supplier's name saved from the lookup
# is empty in the simulator but still takes its field. Form 2 spreads the record over the
# pass-down line (16 characters after "Del:") and its extension line.
cat >delivery-note.txt <<'TXT'
|Del:05.03.26;09:07;D|
|N123456;10042;|
|Item:|
|Qty:|
|Damaged:N|
|Line:0001|
||
||
state=form
selected=0
cursor=5,2
alpha=off
counter=1
clock=MAR05 09:07 0001
passdown=05.03.26;09:07;DN123456;10042;
TXT
note="ENTER 1 2 3 4 5 6 ENTER 1 0 0 4 2 ENTER"
expect_output "delivery: note passed down" delivery-note.txt \
  "$tool" simulate "$samples/DELIVERY.TPX" $now --keys "$note"

# Two check-in lines (the second marked damaged: Y by multi-tap replaces the initial N), ESC to
# the sign-off (alpha flipped on: the alpha key turns it off), 3 pallets and the driver JS: the
# sign-off record (pallets zero-filled to 2, stamp below) is passed on and form 1 starts again.
# The two check-in lines are saved: their records are printed after the display.
cat >delivery-signed.txt <<'TXT'
|Note:|
|Supp:|
||
||
||
||
||
||
state=form
selected=0
cursor=5,0
alpha=off
counter=4
clock=MAR05 09:07 0004
passdown=03;JS;2026/03/05;09:07:30
record=4006381333931;24;N
record=4007817327098;6;Y
TXT
expect_output "delivery: lines and sign-off" delivery-signed.txt \
  "$tool" simulate "$samples/DELIVERY.TPX" $now --keys "$note \
  4 0 0 6 3 8 1 3 3 3 9 3 1 ENTER 2 4 ENTER ENTER \
  4 0 0 7 8 1 7 3 2 7 0 9 8 ENTER 6 ENTER ALPHA 9 9 9 ALPHA ENTER \
  ESC ALPHA 3 ENTER ALPHA 5 7 7 7 7 ALPHA ENTER"

# A short note number is refused.
"$tool" simulate "$samples/DELIVERY.TPX" $now --keys "ENTER 1 2 3 ENTER" >out.txt 2>&1
grep -qx '|Data too short!!|' out.txt || fail "delivery: a 3-digit note is not refused"

finish "samples"
