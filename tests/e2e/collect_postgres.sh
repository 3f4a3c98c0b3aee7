#!/usr/bin/env bash
# The collection station into PostgreSQL, as processes: a server of the test's own in a temporary
# folder (run as an unprivileged user when the test runs as root), reached with a password that
# is never printed; four virtual terminals, one whose first transfer is cut off; the server
# stopped and started again while two batches wait. Every record ends up once in the form's
# table, with its port, typed by its field; the batches table holds each batch once.
# Usage: collect_postgres.sh PATH/TO/tpq700
set -u
tool=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
here=$(cd "$(dirname "$0")" && pwd)
stock=$(cd "$here/../../samples" && pwd)/STOCK.TPX
command -v socat >/dev/null || { echo "socat is not installed: skipped" >&2; exit 77; }
bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
[ -x "$bin/initdb" ] || { echo "no PostgreSQL server installed: skipped" >&2; exit 77; }
command -v psql >/dev/null || { echo "no psql: skipped" >&2; exit 77; }

work=$(mktemp -d)
chmod 755 "$work"
# shellcheck source=link_common.sh
source "$here/link_common.sh"
pg=$work/pg
mkdir -p "$pg"
# The server refuses to run as root: as root, it runs as nobody in a folder nobody owns.
as_server=()
if [ "$(id -u)" -eq 0 ]; then
  chown nobody "$pg"
  as_server=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
fi
server() { (cd "$pg" && "${as_server[@]}" "$@"); }
stop_server() { server "$bin/pg_ctl" -D "$pg/data" -m fast -w stop >/dev/null 2>&1; }
trap 'stop_all; stop_server; rm -rf "$work"' EXIT
cd "$work" || exit 1
export APPDATA=$work/appdata

password=Secret-$RANDOM-word
printf '%s\n' "$password" >"$pg/pw"
chmod 644 "$pg/pw"
server "$bin/initdb" -D "$pg/data" -U q700 --pwfile="$pg/pw" --auth=scram-sha-256 \
  >"$pg/initdb.log" 2>&1 || { echo "initdb failed: $(cat "$pg/initdb.log")" >&2; exit 77; }
rm -f "$pg/pw"
start_server() {
  server "$bin/pg_ctl" -D "$pg/data" -l "$pg/server.log" -w \
    -o "-k $pg -c listen_addresses= -p 54329" start >/dev/null
}
start_server || { echo "the server did not start: $(cat "$pg/server.log")" >&2; exit 77; }
export PGPASSWORD=$password
into="postgresql://q700@/postgres?host=$pg&port=54329"
sql() { psql "$into" -XAtq -c "$1"; }

wait_for() {  # FILE TEXT SECONDS
  local i
  for i in $(seq $(($3 * 10))); do
    grep -qF -- "$2" "$1" 2>/dev/null && return 0
    sleep 0.1
  done
  fail "no '$2' in $1 after $3 s: $(cat "$1")"
}

for n in 1 2 3 4; do
  mkdir -p "t$n"
  for r in 1 2 3 4 5; do
    printf '40000000%d000%d,0000%d,2026/03/05,09:07:30\r\n' "$n" "$r" "$r"
  done >"t$n/records.txt"
  make_pair "$work/t$n" || exit 1
done
start_terminal "$work/t1" --records t1/records.txt --once || exit 1
start_terminal "$work/t2" --records t2/records.txt --once || exit 1

"$tool" collect --port t1/host --port t2/host --port t3/host --port t4/host --via serial-spp \
  --design "$stock" --into "$into" >station.out 2>station.err &
station=$!
pids+=("$station")
wait_for station.out "t1/host: 5 records in " 15
wait_for station.out "t2/host: 5 records in " 15

# The server goes away; terminal 3's batch and terminal 4's second try wait for it.
stop_server
start_terminal "$work/t3" --records t3/records.txt --once || exit 1
start_terminal "$work/t4" --records t4/records.txt --once --fault cut=2 || exit 1
wait_for station.err "t4/host: the transfer failed after 2 records" 15
start_terminal "$work/t4" --records t4/records.txt --once || exit 1
wait_for station.err "t3/host: the batch of 5 records cannot be stored yet" 15
wait_for station.err "t4/host: the batch of 5 records cannot be stored yet" 15
start_server || fail "the server did not start again: $(cat "$pg/server.log")"
wait_for station.out "t3/host: 5 records in " 15
wait_for station.out "t4/host: 5 records in " 15
kill -INT "$station"
wait "$station"
status=$?
[ "$status" -eq 0 ] || fail "the station ended with status $status: $(cat station.err)"

# Every record once, with its port, typed: the item and quantity as numbers, the stamp as a date
# and a time.
for n in 1 2 3 4; do
  for r in 1 2 3 4 5; do
    printf 't%d/host|40000000%d000%d|%d|2026-03-05|09:07:30\n' "$n" "$n" "$r" "$r"
  done
done >want.txt
sql 'SELECT port, "Item", "Qty", "Date", "Time" FROM stock_form2 ORDER BY port, "Item"' \
  >rows.txt || fail "cannot read stock_form2"
cmp -s rows.txt want.txt || fail "stock_form2: $(diff want.txt rows.txt)"
[ "$(sql "SELECT count(*), count(DISTINCT batch), count(DISTINCT port) FROM stock_batches")" = \
  "4|4|4" ] || fail "stock_batches: $(sql 'SELECT * FROM stock_batches')"
[ "$(sql "SELECT count(*) FROM stock_form2 f JOIN stock_batches b USING (batch, port)")" = 20 ] ||
  fail "rows without their batch"
[ "$(sql "SELECT data_type FROM information_schema.columns WHERE table_name = 'stock_form2' \
  AND column_name IN ('received_at', 'Date', 'Time') ORDER BY column_name")" = \
  $'date\ntime without time zone\ntimestamp with time zone' ] || fail "column types"
[ "$(sql "SELECT count(*) FROM stock_unsplit")" = 0 ] || fail "records kept whole"

# The password is nowhere the station wrote.
if grep -rqF -- "$password" station.out station.err appdata 2>/dev/null; then
  fail "the password was written out"
fi
finish "collect into PostgreSQL"
