#!/usr/bin/env bash
# Collected records as tables, as processes: `simulate` composes records of the stock-taking
# sample and `records` splits them into CSV and JSON Lines; `receive --design` adds the virtual
# terminal's records to one CSV file batch by batch, and a receive whose transfer fails, or that
# is interrupted, leaves the file byte for byte as it was.
# Usage: records.sh PATH/TO/tpq700
set -u
tool=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
here=$(cd "$(dirname "$0")" && pwd)
stock=$(cd "$here/../../samples" && pwd)/STOCK.TPX
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

expect_status() {  # STATUS WHAT COMMAND...
  local want=$1 what=$2
  shift 2
  "$@" >out.txt 2>err.txt
  local got=$?
  [ "$got" -eq "$want" ] || fail "$what: exit status $got, expected $want ($(cat err.txt))"
}

# --- records: two counts of the sample composed by the simulator, and a line of no form.
"$tool" simulate "$stock" --now 2026-03-05T09:07:30 --keys "ENTER 1 ALPHA 2 ALPHA 1 2 ENTER \
  4 0 0 6 3 8 1 3 3 3 9 3 1 ENTER 1 2 ENTER 4 0 0 7 8 1 7 3 2 7 0 9 8 ENTER 3 ENTER" >sim.txt ||
  fail "simulate"
sed -n 's/^record=//p' sim.txt >counts.txt
printf 'A1,x\n' >>counts.txt
printf 'Item,Qty,Date,Time,unsplit\r\n4006381333931,12,2026/03/05,09:07:30,\r\n%s\r\n%s\r\n' \
  '4007817327098,3,2026/03/05,09:07:30,' ',,,,"A1,x"' >want.csv
expect_status 0 "records --csv" "$tool" records "$stock" counts.txt --csv counts.csv
cmp -s counts.csv want.csv || fail "counts.csv holds $(od -c counts.csv | head -8)"
grep -qxF "tpq700: counts.txt line 3: does not fit form 2; kept whole in the column unsplit" \
  err.txt || fail "no report of line 3: $(cat err.txt)"
grep -qxF "tpq700: 3 records: 2 split, 1 kept whole" err.txt || fail "no summary: $(cat err.txt)"
expect_status 1 "records over an existing file" "$tool" records "$stock" counts.txt --csv counts.csv
cmp -s counts.csv want.csv || fail "a refused records command changed counts.csv"
cat >want.jsonl <<'JSON'
{"Item":"4006381333931","Qty":"12","Date":"2026/03/05","Time":"09:07:30"}
{"Item":"4007817327098","Qty":"3","Date":"2026/03/05","Time":"09:07:30"}
{"unsplit":"A1,x"}
JSON
expect_status 0 "records --jsonl -" "$tool" records "$stock" counts.txt --jsonl - --quiet
cmp -s out.txt want.jsonl || fail "JSON Lines: $(cat out.txt)"
expect_status 2 "records without a table" "$tool" records "$stock" counts.txt
expect_status 2 "records with two tables" "$tool" records "$stock" counts.txt --csv a --jsonl b

# --- receive into a table: two batches from the virtual terminal, one file.
make_pair "$work" || exit 1
crlf counts.txt >collected.txt
start_terminal "$work" --records collected.txt || exit 1
link=(--port "$work/host" --via serial-spp)
for batch in 1 2; do
  expect_status 0 "receive batch $batch" "$tool" receive --design "$stock" --csv stock.csv \
    --append "${link[@]}"
  [ "$(cat out.txt)" = 3 ] || fail "receive batch $batch printed '$(cat out.txt)'"
  grep -qxF "tpq700: record 3: does not fit form 2; kept whole in the column unsplit" err.txt ||
    fail "batch $batch: no report of record 3: $(cat err.txt)"
done
# Every row starts with the time of its receive, ISO 8601 with the offset; the rest is fixed.
iso='[0-9]{4}-[0-9]{2}-[0-9]{2}T[0-9]{2}:[0-9]{2}:[0-9]{2}[+-][0-9]{2}:[0-9]{2}'
[ "$(tail -n +2 stock.csv | grep -cE "^$iso,")" = 6 ] || fail "received_at: $(cat stock.csv)"
sed -E "s/^$iso,/T,/" stock.csv >stock-rows.csv
{
  printf 'received_at,port,batch,Item,Qty,Date,Time,unsplit\r\n'
  for batch in 1 2; do
    printf 'T,%s,%d,4006381333931,12,2026/03/05,09:07:30,\r\n' "$work/host" "$batch"
    printf 'T,%s,%d,4007817327098,3,2026/03/05,09:07:30,\r\n' "$work/host" "$batch"
    printf 'T,%s,%d,,,,,"A1,x"\r\n' "$work/host" "$batch"
  done
} >want-rows.csv
cmp -s stock-rows.csv want-rows.csv || fail "stock.csv: $(diff want-rows.csv stock-rows.csv)"
cp stock.csv stock-before.csv

# A file with other columns is refused before the terminal is asked.
printf 'Item,Qty\r\n' >other.csv
expect_status 1 "receive into other columns" "$tool" receive --design "$stock" --csv other.csv \
  --append "${link[@]}"
grep -qF "other.csv: its columns are Item,Qty" err.txt || fail "other columns: $(cat err.txt)"
[ "$(grep -c 'uploaded 3 records' terminal.log)" = 2 ] || fail "the terminal was asked again"
stop_all

# --- a transfer that fails after two records adds nothing; nor does an interrupted one.
make_pair "$work" || exit 1
start_terminal "$work" --records collected.txt --fault cut=2 || exit 1
expect_status 1 "receive cut off" "$tool" receive --design "$stock" --csv stock.csv --append \
  "${link[@]}"
grep -qF "tpq700: Error: Time out!" err.txt || fail "cut off: $(cat err.txt)"
grep -qF "tpq700: nothing was added to stock.csv" err.txt || fail "cut off: $(cat err.txt)"
cmp -s stock.csv stock-before.csv || fail "a failed receive changed stock.csv"
grep -qF "fault: cut: silent after 2 upload records" terminal.log || fail "not cut: $(cat terminal.log)"

"$tool" receive --design "$stock" --csv stock.csv --append "${link[@]}" >/dev/null 2>&1 &
receiving=$!
sleep 1.5
kill -INT "$receiving"
wait "$receiving" && fail "an interrupted receive succeeded"
cmp -s stock.csv stock-before.csv || fail "an interrupted receive changed stock.csv"
stray=$(find . -maxdepth 1 -name '.stock.csv.*')
[ -z "$stray" ] || fail "files left beside stock.csv: $stray"
stop_all

# --- JSON Lines, and the options that do not go together.
make_pair "$work" || exit 1
start_terminal "$work" --records collected.txt || exit 1
expect_status 0 "receive --jsonl" "$tool" receive --design "$stock" --jsonl data.jsonl \
  --append "${link[@]}" --quiet
grep -qE "^\{\"received_at\":\"$iso\",\"port\":\"$work/host\",\"batch\":1,\"Item\":\"4006381333931\",\"Qty\":\"12\",\"Date\":\"2026/03/05\",\"Time\":\"09:07:30\"\}$" \
  data.jsonl || fail "data.jsonl: $(cat data.jsonl)"
expect_status 2 "receive OUT and --csv" "$tool" receive raw.txt --design "$stock" --csv a.csv \
  "${link[@]}"
expect_status 2 "receive --csv without --design" "$tool" receive --csv a.csv "${link[@]}"
expect_status 2 "receive --append --force" "$tool" receive --design "$stock" --csv a.csv \
  --append --force "${link[@]}"
expect_status 2 "receive OUT --append" "$tool" receive raw.txt --append "${link[@]}"
[ -e a.csv ] || [ -e raw.txt ] && fail "a refused receive made a file"

finish "records"
