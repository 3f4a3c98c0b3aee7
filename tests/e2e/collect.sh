#!/usr/bin/env bash
# The collection station as processes: four virtual terminals on four socat pairs, each with its
# own records, collected into one CSV file. One terminal's first transfer is cut off (it adds
# nothing and is taken again when it comes back); one port does not exist when the station starts
# (it is tried again until it does); one port disappears after its batch (the others go on); and
# Ctrl-C ends the station with every record in the file once, with its port.
# Usage: collect.sh PATH/TO/tpq700
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

# wait_for FILE TEXT SECONDS: until the file holds the text.
wait_for() {
  local i
  for i in $(seq $(($3 * 10))); do
    grep -qF -- "$2" "$1" 2>/dev/null && return 0
    sleep 0.1
  done
  fail "no '$2' in $1 after $3 s: $(cat "$1")"
}

# Terminal N uploads five counts of the stock-taking sample: item 400000000N000R, quantity R.
for n in 1 2 3 4; do
  mkdir -p "t$n"
  for r in 1 2 3 4 5; do
    printf '40000000%d000%d,0000%d,2026/03/05,09:07:30\r\n' "$n" "$r" "$r"
  done >"t$n/records.txt"
done
for n in 1 2 4; do make_pair "$work/t$n" || exit 1; done
socat1=${pids[0]}
start_terminal "$work/t1" --records t1/records.txt --once || exit 1
start_terminal "$work/t2" --records t2/records.txt --once || exit 1
start_terminal "$work/t4" --records t4/records.txt --once --fault cut=2 || exit 1

"$tool" collect --port t1/host --port t2/host --port t3/host --port t4/host --via serial-spp \
  --design "$stock" --csv counts.csv >station.out 2>station.err &
station=$!
pids+=("$station")

wait_for station.err "t3/host: the port is gone" 5
wait_for station.err "t4/host: the transfer failed after 2 records (Time out!)" 15
wait_for t4/terminal.log "fault: cut: silent after 2 upload records" 1
# The same terminal back in its cradle, whole this time.
start_terminal "$work/t4" --records t4/records.txt --once || exit 1
# The missing port appears, with its terminal.
make_pair "$work/t3" || exit 1
start_terminal "$work/t3" --records t3/records.txt --once || exit 1
for n in 1 2 3 4; do wait_for station.out "t$n/host: 5 records in " 20; done

# A port that disappears is reported; the station goes on.
kill "$socat1"
wait_for station.err "t1/host: the port is gone" 5
kill -INT "$station"
wait "$station"
status=$?
[ "$status" -eq 0 ] || fail "the station ended with status $status: $(cat station.err)"
grep -qxF "tpq700: collected 4 batches, 20 records" station.err || fail "$(cat station.err)"
[ "$(wc -l <station.out)" -eq 4 ] || fail "batch lines: $(cat station.out)"

# Every record once, with its port, in a batch of its own per terminal.
iso='[0-9]{4}-[0-9]{2}-[0-9]{2}T[0-9]{2}:[0-9]{2}:[0-9]{2}[+-][0-9]{2}:[0-9]{2}'
[ "$(head -n 1 counts.csv)" = $'received_at,port,batch,Item,Qty,Date,Time,unsplit\r' ] ||
  fail "header: $(head -n 1 counts.csv)"
[ "$(tail -n +2 counts.csv | grep -cE "^$iso,")" = 20 ] || fail "received_at: $(cat counts.csv)"
tail -n +2 counts.csv | sed -E "s/^$iso,//; s/,[1-4],/,B,/" | sort >rows.txt
for n in 1 2 3 4; do
  for r in 1 2 3 4 5; do
    printf 't%d/host,B,40000000%d000%d,%d,2026/03/05,09:07:30,\r\n' "$n" "$n" "$r" "$r"
  done
done | sort >want.txt
cmp -s rows.txt want.txt || fail "counts.csv: $(diff want.txt rows.txt)"
# Each terminal's batch has a number of its own.
[ "$(tail -n +2 counts.csv | cut -d, -f2,3 | sort -u | wc -l)" = 4 ] || fail "batches: $(cat counts.csv)"
[ "$(tail -n +2 counts.csv | cut -d, -f3 | sort -u | tr -d '\n')" = 1234 ] || fail "numbers: $(cat counts.csv)"
finish "collect"
