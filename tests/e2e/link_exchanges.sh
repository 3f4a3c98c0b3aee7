#!/usr/bin/env bash
# The link commands as processes against the virtual terminal over a socat pair: download,
# send-lookup, receive and detect, their failures and exit statuses.
# Usage: link_exchanges.sh PATH/TO/tpq700
set -u
tool=$1
here=$(cd "$(dirname "$0")" && pwd)
if ! command -v socat >/dev/null; then
  echo "socat is not installed: skipped" >&2
  exit 77
fi
work=$(mktemp -d)
# shellcheck source=link_common.sh
source "$here/link_common.sh"
trap 'stop_all; rm -rf "$work"' EXIT
cd "$work" || exit 1
export APPDATA=$work/appdata  # the user's own preferences stay untouched
link=(--port "$work/host" --via serial-spp)

expect_status() {  # STATUS WHAT COMMAND...
  local want=$1 what=$2
  shift 2
  "$@" >out.txt 2>err.txt
  local got=$?
  [ "$got" -eq "$want" ] || fail "$what: exit status $got, expected $want ($(cat err.txt))"
}

make_pair "$work" || exit 1
printf 'first record\nsecond, with commas\n\n%s\nZZY\n' "$(printf 'x%.0s' $(seq 200))" >records.txt
start_terminal "$work" --records records.txt || exit 1

# --- download: the stored image is the one 'tpq700 image' builds.
"$tool" new a.TPX && "$tool" set a.TPX menu.1.item.1.text=Stock form.1.line.1.type=text \
  form.1.line.1.max_length=40 menu.2.font=large >/dev/null || fail "making the design"
cp a.TPX a-before.TPX
"$tool" image a.TPX a.bin || fail "image"
expect_status 0 "download" "$tool" download a.TPX "${link[@]}"
cmp -s a.bin store/application.bin || fail "the stored image differs from 'tpq700 image'"
grep -qF "tpq700: Download: Downloaded completely!" err.txt || fail "no success message: $(cat err.txt)"
cmp -s a.TPX a-before.TPX || fail "download changed the project file"

# A design with errors is refused before the port is opened, unless --force is given; the
# download preparation then brings the minimum length down to the maximum in the image.
"$tool" new b.TPX >/dev/null && "$tool" set b.TPX --no-rules form.1.line.1.type=text \
  form.1.line.1.max_length=40 form.1.line.1.min_length=60 || fail "making a design with an error"
rm -f store/application.bin
expect_status 1 "download of a design with an error" "$tool" download b.TPX "${link[@]}"
grep -qF "b.TPX: error: form.1.line.1.min_length:" err.txt || fail "no finding: $(cat err.txt)"
grep -qF "not downloaded" err.txt || fail "no refusal: $(cat err.txt)"
[ -e store/application.bin ] && fail "a refused design reached the terminal"
expect_status 0 "download --force" "$tool" download b.TPX "${link[@]}" --force
"$tool" image b.TPX b.bin || fail "image of b.TPX"
cmp -s b.bin store/application.bin || fail "the forced image differs from 'tpq700 image'"
[ "$(od -An -tu1 -j$((3523 + 213)) -N1 b.bin | tr -d ' ')" = 40 ] ||
  fail "the image's minimum length is not the maximum"

# Through the IR cradle at 57600 bit/s.
rm -f store/application.bin
expect_status 0 "download via the cradle" "$tool" download a.TPX --port "$work/host" \
  --via cradle-ir --baud 57600
cmp -s a.bin store/application.bin || fail "the image sent through the cradle differs"
grep -q "cradle set to 57600 bit/s" terminal.log || fail "the cradle was not set: $(cat terminal.log)"

# --- send-lookup: the terminal keeps the file's lines.
printf 'CODE;NAME\r\n4001;Apples\r\n\r\n4002;Pears, green\r\nlast line' >lookup.txt
expect_status 0 "send-lookup" "$tool" send-lookup lookup.txt "${link[@]}"
[ "$(cat store/lookup-1.txt)" = "$(printf 'CODE;NAME\r\n4001;Apples\r\n\r\n4002;Pears, green\r\nlast line\r')" ] ||
  fail "lookup-1.txt holds $(od -c store/lookup-1.txt | head -5)"
expect_status 0 "send-lookup again" "$tool" send-lookup lookup.txt "${link[@]}" --quiet
[ -s err.txt ] && fail "--quiet still reported: $(cat err.txt)"
cmp -s store/lookup-1.txt store/lookup-2.txt || fail "the second lookup file differs"

# A line too long for a record is refused before anything is sent: by the check, and with
# --force by the exchange itself.
{ printf 'ok\r\n'; printf 'y%.0s' $(seq 254); printf '\r\n'; } >long.txt
expect_status 1 "send-lookup of a long line" "$tool" send-lookup long.txt "${link[@]}"
grep -qF "long.txt:2: the line has 254 bytes, more than the 253 a record holds; send-lookup refuses the file" err.txt ||
  fail "long line: $(cat err.txt)"
grep -qF "tpq700: nothing was sent: 1 problem in long.txt" err.txt || fail "long line: $(cat err.txt)"
expect_status 1 "send-lookup --force of a long line" "$tool" send-lookup long.txt "${link[@]}" --force
grep -q "Line 2 of the lookup file is longer than 253 bytes" err.txt || fail "long line: $(cat err.txt)"
[ -e store/lookup-3.txt ] && fail "a refused lookup file was stored"

# Unix line ends would make one record of the whole file: refused, even with --force.
printf '4001;Apples\n4002;Pears\n' >unix.txt
expect_status 1 "send-lookup with line feeds alone" "$tool" send-lookup unix.txt "${link[@]}"
grep -qF "unix.txt:1: the line ends in a line feed without a carriage return (so does 1 more line)" err.txt ||
  fail "line feeds: $(cat err.txt)"
expect_status 1 "send-lookup --force with line feeds alone" "$tool" send-lookup unix.txt "${link[@]}" --force
grep -qF "Line 1 of the lookup file ends in a line feed without a carriage return." err.txt ||
  fail "line feeds with --force: $(cat err.txt)"
[ -e store/lookup-3.txt ] && fail "a file with line feeds alone was stored"

# Against a design's definition: a description too long stops the send, --force sends it anyway.
"$tool" new shop.TPX >/dev/null && "$tool" set shop.TPX lookup.2.delimiter=59 \
  lookup.2.field_count=2 lookup.2.field.1.length=4 lookup.2.field.2.length=10 \
  lookup.2.member_length=15 lookup.2.field.2.offset=6 "lookup.2.bad_format=Skip the record" \
  >/dev/null || fail "making shop.TPX"
printf '4001;Apples\r\n4002;Pears, green\r\n' >shop.txt
expect_status 1 "send-lookup against the design" "$tool" send-lookup shop.txt --design shop.TPX \
  --lookup 2 "${link[@]}"
grep -qF "shop.txt:2: field 2: 12 characters, at most 10; the terminal skips the line" err.txt ||
  fail "design check: $(cat err.txt)"
[ -e store/lookup-3.txt ] && fail "a file with problems was stored"
expect_status 0 "send-lookup --force against the design" "$tool" send-lookup shop.txt \
  --design shop.TPX --lookup 2 "${link[@]}" --force
cmp -s shop.txt store/lookup-3.txt || fail "lookup-3.txt differs from shop.txt"

# --- receive: the records of --records, the count on stdout.
expect_status 0 "receive" "$tool" receive data.txt "${link[@]}"
[ "$(cat out.txt)" = 5 ] || fail "receive printed '$(cat out.txt)', expected 5"
cmp -s data.txt <(crlf records.txt) || fail "data.txt holds $(od -c data.txt | head -5)"
grep -qxF "tpq700: Upload Data: Done : 5 records received." err.txt ||
  fail "no closing message: $(cat err.txt)"
expect_status 1 "receive over an existing file" "$tool" receive data.txt "${link[@]}"
expect_status 0 "receive --force" "$tool" receive data.txt "${link[@]}" --force --quiet
cmp -s data.txt <(crlf records.txt) || fail "data.txt after --force"

# --- detect on the port.
expect_status 0 "detect" "$tool" detect --port "$work/host"
[ "$(cat out.txt)" = "$work/host" ] || fail "detect printed '$(cat out.txt)'"
grep -qF "Detecting Result: Cradle is connected to $work/host" err.txt || fail "detect: $(cat err.txt)"
stop_all

# --- failures, each on a terminal of its own.
make_pair "$work" || exit 1
start_terminal "$work" --tag Q700RU005 || exit 1
expect_status 1 "download to a terminal of another version" "$tool" download a.TPX "${link[@]}" \
  --retries 1
[ "$(grep -c "Program version is incompatible to TP!" err.txt)" = 2 ] || fail "version: $(cat err.txt)"
grep -qF "would you like to retry? Yes (retry 1 of 1)" err.txt || fail "no retry: $(cat err.txt)"
grep -qF "would you like to retry? No" err.txt || fail "no final No: $(cat err.txt)"
stop_all

make_pair "$work" || exit 1
start_terminal "$work" --fault full=57 || exit 1
expect_status 1 "download to a full terminal" "$tool" download a.TPX "${link[@]}"
grep -qF "Error: Memory full for Terminal!" err.txt || fail "full: $(cat err.txt)"
grep -q "memory full at block 57" terminal.log || fail "terminal log: $(cat terminal.log)"
stop_all

# --once: the terminal ends after one exchange.
make_pair "$work" || exit 1
start_terminal "$work" --once || exit 1
expect_status 0 "send-lookup to a terminal with --once" "$tool" send-lookup lookup.txt "${link[@]}"
for _ in $(seq 50); do
  kill -0 "$terminal_pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$terminal_pid" 2>/dev/null && fail "the --once terminal is still running"
wait "$terminal_pid"
[ $? -eq 0 ] || fail "the --once terminal failed: $(cat terminal.log)"
stop_all

# No terminal at all on a port that does not exist.
expect_status 1 "download to a missing port" "$tool" download a.TPX --port "$work/none" \
  --via serial-spp
grep -qF "Error: Cannot open the COM port!" err.txt || fail "missing port: $(cat err.txt)"
expect_status 2 "terminal with a bad fault" "$tool" terminal --port "$work/none" --fault jam=1

if [ "$failures" -ne 0 ]; then
  echo "$failures failure(s)" >&2
  exit 1
fi
echo "link exchanges: all passed"
