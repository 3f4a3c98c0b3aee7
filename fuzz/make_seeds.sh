#!/usr/bin/env bash
# Makes the seed corpora of the fuzz targets with the tool itself, one folder per target:
# project files from `new` and `set`, preferences from `prefs`, field assignments from `show`,
# and what the virtual terminal sends during real exchanges (caught by socat on a pseudo-terminal
# pair) for the upload receiver and the download replies. Language and lookup files are written
# here as a user would.
# Usage: fuzz/make_seeds.sh PATH/TO/tpq700 OUT_FOLDER
set -euo pipefail
tool=$(realpath "$1")
out=$(realpath -m "$2")
mkdir -p "$out"
work=$(mktemp -d)
pids=()
cleanup() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
cd "$work"
export APPDATA=$work/appdata

# Project files: a new design, a changed one, old revisions, the old header, a short file.
p=$out/project_file
mkdir -p "$p"
"$tool" new --force "$p/new.TPX" >/dev/null
cp "$p/new.TPX" "$p/changed.TPX"
"$tool" set "$p/changed.TPX" --no-rules "settings.start=menu 1" settings.large_font=1 \
  menu.1.font=large menu.1.caption_flag=1 menu.1.caption=Stock "menu.1.item.1.text=Count" \
  "menu.1.item.1.target=form 2" form.2.font=large form.2.line.1.type=text \
  form.2.line.2.type=extension form.2.line.1.prompt=Item form.2.line.1.max_length=40 \
  lookup.1.member_length=20 lookup.1.field_count=3 weight.key_field=5
cp "$p/new.TPX" "$p/revision1.TPX"
"$tool" set "$p/revision1.TPX" settings.key_click=5 "form.1.error_target=menu 3" \
  settings.revision=1
cp "$p/new.TPX" "$p/revision3.TPX"
"$tool" set "$p/revision3.TPX" settings.revision=3
cp "$p/revision1.TPX" "$p/old-header.TPX"
printf 'Q700-1.00' | dd of="$p/old-header.TPX" conv=notrunc status=none
head -c 5000 "$p/changed.TPX" >"$p/short.TPX"
# The Startup page imports from the same files.
rm -rf "$out/prompt_import"
cp -r "$p" "$out/prompt_import"
head -c 17000 "$p/changed.TPX" >"$out/prompt_import/texts-only.TPX"

# Preferences: the defaults, changed ones, and a file with recent projects.
p=$out/preferences
mkdir -p "$p"
ini=$APPDATA/MIRDANTO/TPQ700.ini
"$tool" prefs --via cradle-ir >/dev/null && cp "$ini" "$p/default.ini"
"$tool" prefs --via serial-spp --receive-via irda --baud 9600 >/dev/null &&
  cp "$ini" "$p/changed.ini"
printf 'C:\\Shop\\shop.TPX\r2\r1\r3\r4\r1\r1\rDeutsch\r2\rC:\\Shop\\shop.TPX\rC:\\a.TPX\rD:\\b.TPX\rE:\\c.TPX\r' \
  >"$p/recent.ini"
printf 'Unknow\r0\r1\r' >"$p/three-fields.ini"

# Language files: a translation, one that clears an entry, one with LF line ends, a nameless one.
p=$out/language_files
mkdir -p "$p"
printf 'Deutsch\r\n1121=Fehler\r\n1122=Warnung\r\n1132=Vollst\xe4ndig geladen!\r\n11=TPQ700 Einstellungen\r\n1218=OK\r\n1219=Abbrechen\r\n721=1.Erfassen   \r\n' \
  >"$p/deutsch.lng"
printf 'Cleared\r\n1121=\r\n4=Fertig : \r\n5= Datens\xe4tze\r\n6=Empfangen :\r\n' >"$p/cleared.lng"
printf 'Unix\n1121=Erreur\n1144=D\xe9lai d\x27attente !\n' >"$p/lf.lng"
printf '\r\n1121=Nameless\r\n' >"$p/nameless.lng"

# Lookup files: lines ending in CR LF, LF only, a last line without its end, a line of 253 bytes
# and one of 254, and the tool's own listing of a design.
p=$out/lookup_send
mkdir -p "$p"
printf '12\r\nZZY\r\n' >"$p/two-lines.txt"
for i in $(seq 30); do printf '%05d;item %d;%d.%02d\r\n' "$i" "$i" "$((i * 3))" "$((i % 100))"; done \
  >"$p/items.txt"
printf 'first\nsecond\nthird' >"$p/lf-only.txt"
printf 'a\r\n\r\nlast without end' >"$p/open-end.txt"
{ printf '%0253d\r\n' 0; printf 'x\r\n'; } >"$p/longest.txt"
{ printf 'ok\r\n'; printf '%0254d\r\n' 0; } >"$p/too-long.txt"
"$tool" show "$out/project_file/changed.TPX" >"$work/fields.txt"
head -c 3000 "$work/fields.txt" >"$p/listing.txt"

# Lookup data: a 12-byte definition (see lookup_data_fuzz.cpp) and then spreadsheet text or a
# lookup file. The article list tab-delimited (13, 20 and 7 characters) from a comma-separated
# export with a header, a byte-order mark, quotes and a line break inside them; the same as a
# lookup file with its faults; suppliers in fixed columns (5 and 20) from semicolons in the
# Cyrillic code page; a lookup file with line feeds alone; UTF-16 text.
p=$out/lookup_data
mkdir -p "$p"
articles='\x03\x02\x00\x09\x02\x0d\x14\x07\x00\x00\x00\x00'
{ printf "$articles"; printf '\xef\xbb\xbfEAN,Description,Price\r\n'
  printf '4006381333931,"Ball pen, blue",1.20\r\n4007817327098,"Pencil ""HB""",0.65\r\n'
  printf '4001868011172,"Eraser\nwhite",0.90\r\n,no key,1\r\n4012700937006,Caf\xc3\xa9 cr\xc3\xa8me br\xc3\xbbl\xc3\xa9e long,2.40\r\n'
  printf '4006381333931,twice,1\r\n\r\n4250307203129,Stapler\n'; } >"$p/articles-csv.bin"
{ printf "$articles"; printf '4006381333931\tBall pen, blue\t1.20\r\n4006381333931\tPen\r\n'
  printf '\tno key\t1\r\n4007817327098\tCaf\xc3\xa9\t12345678\r\n\r\n4001868011172\tEraser\x81\t0.90'; } \
  >"$p/articles-lookup.bin"
{ printf '\x1a\x01\x00\x01\x00\x05\x14\x00\x00\x00\x00\x00'
  printf 'No;Name\n10001;\xd0\x96\xd1\x83\xd0\xba\n10002;"Bolts; nuts ""and"" washers, wholesale"\n;x\n10001;again\n'; } \
  >"$p/suppliers-1251.bin"
{ printf '\x01\x01\x00\x3b\x01\x04\x0a\x00\x00\x00\x00\x00'; printf '4001;Apples\n4002;Pears\n4003;Plums'; } \
  >"$p/line-feeds.bin"
{ printf '\x03\x00\x00\x09\x00\x05\x00\x00\x00\x00\x00\x00'; printf '\xff\xfeA\x00\r\x00\n\x00'; } >"$p/utf16.bin"

# Field assignments: lines of the tool's listing of a changed design, a few at a time, and some
# that are refused.
p=$out/field_assign
mkdir -p "$p"
lines=$(wc -l <"$work/fields.txt")
for start in $(seq 1 $((lines / 24)) "$lines"); do
  sed -n "${start},$((start + 3))p" "$work/fields.txt" >"$p/fields-$start.txt"
done
printf 'form.1.line.1.prompt=Qty\\x80\nsettings.delimiter_1=13\n' >"$p/refused.txt"
printf 'lookup.1.read_once=1\nlookup.1.no_match=Continue\nmenu.1.caption=Größe\n' >"$p/in-design.txt"
printf 'lookup.1.field_count=2\nsettings.upload_port=Bluetooth SPP\nsettings.large_font=1\n' \
  >"$p/derived.txt"
printf 'weight.prefix=7\nmenu.2.caption=A\\\\B\\r\nversion_tag=Q700RU005\n' >"$p/mixed.txt"

# Designs in JSON: the tool's listing of a new and of a changed design, a part of one, and a few
# that are refused.
p=$out/design_json
mkdir -p "$p"
"$tool" show "$out/project_file/new.TPX" --json >"$p/new.json"
"$tool" show "$out/project_file/changed.TPX" --json >"$p/changed.json"
printf '{"menu.1.caption": "Stock", "menu.1.bytes.250": "FF00", "lookup.1.no_match": 4}\n' \
  >"$p/part.json"
printf '{"version_tag": "Q700RU003", "form.1.line.1.type": 19}\n' >"$p/refused.json"
printf '[1, 2]\n' >"$p/not-an-object.json"

# Received records and the design that splits them: 23 bytes choose the delimiters and two
# forms (see record_split_fuzz.cpp), the rest is the received-data file.
p=$out/record_split
mkdir -p "$p"
# One comma; form 1: text, integer of five digits filled with zeros, the default stamp below.
{ printf '\001\000\000\356\017\001\000\002\057\000\000\000\000'; printf '\000%.0s' $(seq 10)
  printf '4001,00012,2026/03/05,09:07:30\r\n55,00000,2026/03/05,09:07:30\r\nx,1\r\n\r\nlast'
} >"$p/stock.bin"
# No delimiter; form 1: stamp on top without separators, letters of three with a prefix, a
# boolean; form 2 (large font): a right-aligned integer of four with a suffix.
{ printf '\000\000\000\151\003\004\131\006\000\000\000\000\000'
  printf '\000\100\002\243\000\000\000\000\000\000'
  printf '202603050907<0AB 1\r\n202603050907<0XYZY\r\n  12,>\r\n0012,>\n'
} >"$p/fixed.bin"
# Two delimiters, a separator that is also a delimiter, extension and fixed data lines.
{ printf '\002\000\001\342\217\001\000\011\000\010\000\001\000'
  printf '\346\017\002\001\005\200\007\000\000\000'
  printf 'ABCDEFGHIJKLMNOPQRSTUV,;F,1\r\n26,03,05,;09:07:30,;12,;x.5,>\r\n'
} >"$p/mixed.bin"

# Files that a batch of received records is appended to: the first byte chooses CSV (0) or JSON
# Lines (1).
p=$out/record_table_append
mkdir -p "$p"
header='received_at,port,batch,Item,Qty,Date,Time,unsplit'
printf '0%s\r\n2026-03-05T09:07:30+01:00,/dev/pts/3,1,4001,12,2026/03/05,09:07:30,\r\n' "$header" \
  >"$p/one-batch.csv"
printf '0%s\r\nx,"COM,3",2,,,,,"a ""b""\r\nc"\r\nx,COM3,9,A,1,,,' "$header" >"$p/quoted-open-end.csv"
printf '0\357\273\277Item,Qty\r\n' >"$p/other-columns.csv"
printf '0' >"$p/empty.csv"
printf '1{"received_at":"2026-03-05T09:07:30+01:00","port":"COM3","batch":1,"Item":"4001"}\n{"batch":2,"unsplit":"x"}\n' \
  >"$p/two-batches.jsonl"
printf '1{"batch":3}\r\n\r\n[1]\n' >"$p/not-an-object.jsonl"

# The program's command line (UTF-16, as Windows gives it): a quoted path with blanks, a plain
# one, one with blanks and no quotes, blanks only.
p=$out/command_line
mkdir -p "$p"
utf16() { printf '%s' "$1" | iconv -f UTF-8 -t UTF-16LE; }
utf16 '"C:\My Designs\STOCK.TPX"' >"$p/quoted.bin"
utf16 'C:\Samples\DELIVERY.TPX' >"$p/plain.bin"
utf16 '  C:\My Designs\Склад.TPX  ' >"$p/unquoted-blanks.bin"
utf16 '   ' >"$p/blanks.bin"

# What the virtual terminal sends, caught between it and the tool on a socat pair. Without socat
# a clean exchange of each kind, written by hand, stands in.
if ! command -v socat >/dev/null; then
  echo "socat is not installed: the terminal's replies are written by hand" >&2
  mkdir -p "$out/receive" "$out/download_replies"
  printf 'ACK\r\000ABC\306\000\r\001ZZY\016\001\rOVER\r' >"$out/receive/upload.bin"
  { printf '0NAK ACK\r\nQ700RU004\r\n'; for i in $(seq 200); do printf 'ACK\r\n'; done; } \
    >"$out/download_replies/application.txt"
  printf '1NAK ACK\r\nACK\r\nACK\r\nACK\r\n' >"$out/download_replies/lookup.txt"
  exit 0
fi
"$tool" new a.TPX >/dev/null
"$tool" set a.TPX form.1.line.1.type=text
printf '12\r\nZZY\r\n' >lookup.txt
for i in $(seq 12); do printf 'record %d;%s\n' "$i" "$(head -c "$i" /dev/zero | tr '\0' '*')"; done \
  >records.txt
printf 'sum 269 \x01\n' >>records.txt
: >no-records.txt

# capture NAME TERMINAL-OPTIONS -- COMMAND...: runs the command against a terminal; the bytes the
# terminal sent are left in $work/NAME.bin.
capture() {
  local name=$1 dir=$work/$1
  shift
  local options=()
  while [ "$1" != -- ]; do options+=("$1"); shift; done
  shift
  mkdir -p "$dir"
  socat -R "$work/$name.bin" pty,raw,echo=0,link="$dir/host" pty,raw,echo=0,link="$dir/term" &
  local socat_pid=$!
  pids+=("$socat_pid")
  local i
  for i in $(seq 50); do [ -e "$dir/host" ] && [ -e "$dir/term" ] && break; sleep 0.1; done
  "$tool" terminal --port "$dir/term" --store "$dir" "${options[@]}" 2>"$dir/terminal.log" &
  local terminal_pid=$!
  pids+=("$terminal_pid")
  for i in $(seq 50); do grep -q "serving on" "$dir/terminal.log" && break; sleep 0.05; done
  "$@" --port "$dir/host" --via serial-spp >/dev/null 2>&1 || true
  kill "$terminal_pid" "$socat_pid" 2>/dev/null || true
  wait "$terminal_pid" "$socat_pid" 2>/dev/null || true
}

p=$out/receive
mkdir -p "$p"
capture upload --records records.txt -- "$tool" receive "$work/r1.txt"
cp upload.bin "$p/upload.bin"
capture upload-faults --records records.txt --fault corrupt=0.2,silence=0.1 --seed 3 -- \
  "$tool" receive "$work/r2.txt"
cp upload-faults.bin "$p/upload-faults.bin"
capture upload-none --records no-records.txt -- "$tool" receive "$work/r3.txt"
cp upload-none.bin "$p/nothing.bin"

# The download target reads a first byte (even: the application, odd: the lookup file) and then
# one reply per line.
p=$out/download_replies
mkdir -p "$p"
as_replies() { printf '%s' "$1"; sed 's/\r/\r\n/g' "$2"; }
capture application -- "$tool" download a.TPX
as_replies 0 application.bin >"$p/application.txt"
capture application-faults --fault corrupt=0.02,garble=0.02,nak=2 --seed 5 -- "$tool" download a.TPX
as_replies 0 application-faults.bin >"$p/application-faults.txt"
capture application-full --fault full=3 -- "$tool" download a.TPX
as_replies 0 application-full.bin >"$p/application-full.txt"
capture application-tag --tag Q700RU003 -- "$tool" download a.TPX
as_replies 0 application-tag.bin >"$p/application-tag.txt"
capture lookup -- "$tool" send-lookup lookup.txt
as_replies 1 lookup.bin >"$p/lookup.txt"
capture lookup-faults --fault nak=3,garble=0.1 --seed 2 -- "$tool" send-lookup lookup.txt
as_replies 1 lookup-faults.bin >"$p/lookup-faults.txt"

for p in "$out"/*/; do echo "$(basename "$p"): $(ls "$p" | wc -l) seeds"; done
