#!/usr/bin/env bash
# What a failed or interrupted exchange leaves behind: an earlier received-data file or table
# byte for byte as it was, records acknowledged before a time-out in a file beside it, no stray
# files, exit status 130 after Ctrl-C or SIGTERM, and a download that works again at once.
# Usage: link_failures.sh PATH/TO/tpq700
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
export APPDATA=$work/appdata
link=(--port "$work/host" --via serial-spp)
mkdir out

expect_status() {  # STATUS WHAT COMMAND...
  local want=$1 what=$2
  shift 2
  "$@" >out.txt 2>err.txt
  local got=$?
  [ "$got" -eq "$want" ] || fail "$what: exit status $got, expected $want ($(cat err.txt))"
}

# The earlier files every case starts from, and the check that they are still there, whole, with
# nothing else in their folder but the files named.
printf 'yesterday 1\r\nyesterday 2\r\n' >earlier.txt
reset_out() {
  rm -rf out && mkdir out && cp earlier.txt out/data.txt
}
expect_folder() {  # WHAT FILE...
  local what=$1
  shift
  cmp -s earlier.txt out/data.txt || fail "$what: data.txt holds $(od -c out/data.txt | head -3)"
  local got want
  got=$(cd out && find . -mindepth 1 -printf '%P\n' | sort | tr '\n' ' ')
  want=$(printf '%s\n' data.txt "$@" | sort | tr '\n' ' ')
  [ "$got" = "$want" ] || fail "$what: the folder holds $got, expected $want"
}
# interrupt SIGNAL SECONDS COMMAND...: runs the command in the background, sends the signal after
# the given time and leaves its exit status in `status` and the seconds it took to end after the
# signal in `ended_ms`.
interrupt() {
  local signal=$1 delay=$2
  shift 2
  "$@" >out.txt 2>err.txt &
  local pid=$!
  sleep "$delay"
  local sent
  sent=$(date +%s%N)
  kill -"$signal" "$pid"
  wait "$pid"
  status=$?
  ended_ms=$((($(date +%s%N) - sent) / 1000000))
}

# --- a wrong port: said with the port and the system's reason; nothing touched.
reset_out
expect_status 1 "a wrong port" "$tool" receive out/data.txt --force --port "$work/ttyUSB3" \
  --via serial-spp
grep -qxF "tpq700: Error: Cannot open the COM port! ($work/ttyUSB3: No such file or directory)" \
  err.txt || fail "a wrong port: $(cat err.txt)"
expect_folder "a wrong port"
# Into a folder that does not exist: the folder and the reason.
expect_status 1 "a missing folder" "$tool" receive "$work/none/x.txt" "${link[@]}"
grep -qxF "tpq700: Error: File open/create failed! ($work/none: No such file or directory)" \
  err.txt || fail "a missing folder: $(cat err.txt)"

# --- no terminal at all: four requests, then said that nobody answered; nothing touched.
make_pair "$work" || exit 1
reset_out
expect_status 1 "no terminal" "$tool" receive out/data.txt --force "${link[@]}"
grep -qxF "tpq700: Error: Time out! (no terminal answered on $work/host)" err.txt ||
  fail "no terminal: $(cat err.txt)"
grep -qxF "tpq700: Upload Data: No data received!" err.txt || fail "no terminal: $(cat err.txt)"
expect_folder "no terminal"
# With --retries the receive starts again, and a terminal that came meanwhile is heard.
printf 'first\nsecond\n' >records.txt
( sleep 12.5 && exec "$tool" terminal --port "$work/term" --store store --records records.txt \
  2>>terminal.log ) &
pids+=($!)
expect_status 0 "no terminal, then one" "$tool" receive out/data.txt --force --retries 2 "${link[@]}"
grep -qxF "tpq700: Upload Data: starting again (retry 1 of 2)" err.txt ||
  fail "no retry said: $(cat err.txt)"
[ "$(cat out/data.txt)" = "$(printf 'first\r\nsecond\r')" ] || fail "after the retry: $(od -c out/data.txt)"
stop_all

# --- a terminal without records: "No data received!", exit 0, the earlier file stays.
make_pair "$work" || exit 1
start_terminal "$work" || exit 1
reset_out
expect_status 0 "no records" "$tool" receive out/data.txt --force "${link[@]}"
[ "$(cat out.txt)" = 0 ] || fail "no records: stdout $(cat out.txt)"
grep -qxF "tpq700: Upload Data: No data received!" err.txt || fail "no records: $(cat err.txt)"
expect_folder "no records"
stop_all

# --- the records stop after two: they are kept beside the file, which stays as it was.
make_pair "$work" || exit 1
printf 'r1\nr2\nr3\nr4\n' >records.txt
start_terminal "$work" --records records.txt --fault cut=2 || exit 1
reset_out
expect_status 1 "cut off" "$tool" receive out/data.txt --force "${link[@]}"
grep -qxF "tpq700: Error: Time out! (the terminal on $work/host stopped sending)" err.txt ||
  fail "cut off: $(cat err.txt)"
grep -qxF "tpq700: Upload Data: 2 records received before the failure were kept in out/data.partial.txt." \
  err.txt || fail "cut off: $(cat err.txt)"
expect_folder "cut off" data.partial.txt
[ "$(cat out/data.partial.txt)" = "$(printf 'r1\r\nr2\r')" ] ||
  fail "the kept records: $(od -c out/data.partial.txt)"
# The same into a table added to with --append: the table stays, the two rows go beside it.
"$tool" new stock.TPX && "$tool" set stock.TPX form.1.line.1.type=text \
  form.1.line.1.max_length=2 >/dev/null || fail "making the design"
printf 'old,table\r\n' >out/data.csv
cp out/data.csv table-before.csv
expect_status 1 "cut off into a table" "$tool" receive --design stock.TPX --csv out/data.csv \
  --force "${link[@]}"
cmp -s out/data.csv table-before.csv || fail "the table changed: $(cat out/data.csv)"
grep -qF "2 records received before the failure were kept in out/data.partial.csv." err.txt ||
  fail "cut off into a table: $(cat err.txt)"
[ "$(grep -c ",r[12]," out/data.partial.csv)" = 2 ] || fail "the kept rows: $(cat out/data.partial.csv)"
stop_all

# --- Ctrl-C and SIGTERM during a receive: exit 130 at once, the earlier file and table stay.
make_pair "$work" || exit 1
for i in $(seq 400); do echo "record $i"; done >records.txt
start_terminal "$work" --records records.txt --pace 9600 || exit 1
for signal in INT TERM; do
  reset_out
  interrupt "$signal" 1.5 "$tool" receive out/data.txt --force "${link[@]}"
  [ "$status" -eq 130 ] || fail "SIG$signal during a receive: exit status $status ($(cat err.txt))"
  [ "$ended_ms" -lt 1000 ] || fail "SIG$signal during a receive: ended after $ended_ms ms"
  grep -qxF "tpq700: interrupted" err.txt || fail "SIG$signal during a receive: $(cat err.txt)"
  kept=$(cd out && ls data.partial.txt 2>/dev/null)
  expect_folder "SIG$signal during a receive" $kept
  if [ -n "$kept" ]; then
    grep -qF "records received before the failure were kept in out/data.partial.txt." err.txt ||
      fail "SIG$signal during a receive: the kept records not named: $(cat err.txt)"
  fi
  sleep 1  # the terminal gives up on the cut exchange
done
cp table-before.csv out/data.csv
interrupt INT 1.5 "$tool" receive --design stock.TPX --csv out/data.csv --force "${link[@]}"
[ "$status" -eq 130 ] || fail "SIGINT during a table receive: exit status $status"
cmp -s out/data.csv table-before.csv || fail "an interrupted receive changed the table"
stray=$(find out -name '.*')
[ -z "$stray" ] || fail "temporary files left: $stray"
stop_all

# --- Ctrl-C during a download: exit 130 at once, the design unchanged; the next one succeeds.
make_pair "$work" || exit 1
start_terminal "$work" --pace 57600 || exit 1
cp stock.TPX stock-before.TPX
interrupt INT 1 "$tool" download stock.TPX "${link[@]}"
[ "$status" -eq 130 ] || fail "SIGINT during a download: exit status $status ($(cat err.txt))"
[ "$ended_ms" -lt 1000 ] || fail "SIGINT during a download: ended after $ended_ms ms"
cmp -s stock.TPX stock-before.TPX || fail "an interrupted download changed the design"
[ -e store/application.bin ] && fail "an interrupted download stored an image"
# The terminal's answer to the last block sent may still be on its way; a user starting again
# takes longer than this.
sleep 0.5
expect_status 0 "a download after an interrupted one" "$tool" download stock.TPX "${link[@]}"
[ -e store/application.bin ] || fail "the download after an interrupted one stored nothing"
stop_all

finish "link failures"
