#!/usr/bin/env bash
# Soak of the three exchanges as processes against a virtual terminal that injects faults: for
# every seed a mix of corrupted bytes, lost and garbled replies, silence, "NAK" and "FULL", then an
# application download, a lookup download and an upload, each with --retries 3 against a terminal
# told what to expect. After every run the terminal must hold exactly the image or the lookup
# lines sent, or the command failed with one of the exchange's own messages; the received file
# must hold every record once and in order, or the command failed and left no file (records
# received before a failure are kept beside it and are not counted). Lost, duplicated and corrupted records and bytes are counted (the
# goal is zero), and so are the faults the terminal injected. Seeds run several at a time, each
# on a socat pair of its own.
# Usage: link_faults.sh PATH/TO/tpq700 [FIRST_SEED LAST_SEED]
#   Q700_SOAK_SEEDS=N  seeds 1 to N when no range is given (default 100)
#   Q700_SOAK_JOBS=N   seeds at a time (default 16: they mostly wait on time-outs)
#   LINK_FAULTS=PLAN   one fault plan for every seed instead of a mix per seed
set -u
tool=$(realpath "$1")
first=${2:-1}
last=${3:-${Q700_SOAK_SEEDS:-100}}
jobs=${Q700_SOAK_JOBS:-16}
here=$(cd "$(dirname "$0")" && pwd)
if ! command -v socat >/dev/null; then
  echo "socat is not installed: skipped" >&2
  exit 77
fi
work=$(mktemp -d)
# shellcheck source=link_common.sh
source "$here/link_common.sh"
trap 'stop_all; [ -n "${Q700_SOAK_KEEP:-}" ] || rm -rf "$work"' EXIT
cd "$work" || exit 1
export APPDATA=$work/appdata
started=$(date +%s)

"$tool" new a.TPX >/dev/null && "$tool" set a.TPX menu.1.item.1.text=Stock \
  form.1.line.1.type=text form.1.line.1.max_length=40 >/dev/null &&
  "$tool" image a.TPX a.bin || exit 1
: >lookup.txt
: >records.txt
for i in $(seq 60); do
  printf '%05d;item %d %s\r\n' "$i" "$i" "$(printf '=%.0s' $(seq $((i % 37 + 1))))" >>lookup.txt
  printf 'record %d;%s\n' "$i" "$(printf '*%.0s' $(seq $((i % 41 + 1))))" >>records.txt
done
tr -d '\r' <lookup.txt >lookup-lines.txt
crlf records.txt >records-crlf.txt

# The messages a failed exchange may end with: the download's and the upload's own.
download_messages='Terminal is not ready!
Program version is incompatible to TP!
Memory full for Terminal!
Error on downloading!
Failed to download, would you like to retry?'
receive_messages='Time out!
Failed to establish connection!
No data received!'

# fault_plan SEED: a mix of faults drawn from the seed (the same seed, the same plan).
fault_plan() {
  local state=$1 plan=()
  draw() {  # N: a number below N into $drawn
    state=$(((state * 1103515245 + 12345) % 2147483648))
    drawn=$(((state / 65536) % $1))
  }
  local corrupt=(0 0.01 0.03 0.1) drop=(0 0.003 0.01 0.02) garble=(0 0.005 0.02)
  local silence=(0 0.003 0.01) drawn
  draw 4; plan+=("corrupt=${corrupt[$drawn]}")
  draw 4; plan+=("drop=${drop[$drawn]}")
  draw 3; plan+=("garble=${garble[$drawn]}")
  draw 3; plan+=("silence=${silence[$drawn]}")
  draw 4; [ "$drawn" -eq 0 ] && { draw 9; plan+=("nak=$drawn"); }
  draw 5; [ "$drawn" -eq 0 ] && { draw 200; plan+=("full=$drawn"); }
  draw 5; [ "$drawn" -eq 0 ] && plan+=("delay=10")
  local IFS=,
  echo "${plan[*]}"
}

# compare_lines WANT GOT: "lost duplicated corrupted lost_bytes duplicated_bytes
# corrupted_bytes misordered" of GOT's lines against WANT's.
compare_lines() {
  local counts
  counts=$(awk 'NR == FNR { want[$0]++; next }
    { got[$0]++ }
    END {
      for (l in got) {
        if (!(l in want)) { c += got[l]; cb += got[l] * length(l) }
        else if (got[l] > want[l]) { d += got[l] - want[l]; db += (got[l] - want[l]) * length(l) }
      }
      for (l in want) if (got[l] < want[l]) { lo += want[l] - got[l]; lb += (want[l] - got[l]) * length(l) }
      printf "%d %d %d %d %d %d", lo, d, c, lb, db, cb
    }' "$1" "$2")
  local misordered=0
  [ "$counts" = "0 0 0 0 0 0" ] && ! cmp -s "$1" "$2" && misordered=1
  echo "$counts $misordered"
}

# failed_cleanly ERR_FILE ALLOWED: the command said why, and only with the exchange's messages.
failed_cleanly() {
  local lines
  lines=$(grep '^tpq700: \(Error\|Warning\): ' "$1" |
    sed -e 's/^tpq700: \(Error\|Warning\): //' -e 's/ \(Yes (retry [0-9]* of [0-9]*)\|No\)$//' \
      -e 's/ ([^()]*)$//')
  [ -n "$lines" ] || return 1
  local line
  while IFS= read -r line; do
    grep -qxF -- "$line" <<<"$2" || return 1
  done <<<"$lines"
}

# room ERR_FILE PLAN: whether the plan leaves a download room to complete. "full" when the
# terminal said its memory was full (its plan's "FULL", which no retry gets past); "refused" when
# the plan refuses the first 5 or more of the 7 sends of every block and record (nak=5 and up):
# with at most 2 sends left for each of 200 blocks, the plan's corruption and silence make some
# block fail in nearly every attempt, and nak=7 or 8 in every one; else "room".
room() {
  local nak
  nak=$(sed -n 's/.*nak=\([0-9]*\).*/\1/p' <<<"$2")
  if grep -qF "Memory full for Terminal!" "$1"; then
    echo full
  elif [ "${nak:-0}" -ge 5 ]; then
    echo refused
  else
    echo room
  fi
}

# Runs the three exchanges against a terminal with the faults of SEED. Leaves in its folder a
# verdict ("ok" or the problems), each command's status, and the counts.
run_seed() {
  local seed=$1 dir=$work/seed-$1 problems=()
  mkdir -p "$dir"
  pids=()
  local plan=${LINK_FAULTS:-$(fault_plan "$seed")}
  echo "$plan" >"$dir/plan"
  make_pair "$dir" || { echo "no pair" >"$dir/verdict"; return; }
  start_terminal "$dir" --records records.txt --fault "$plan" --seed "$seed" \
    --expect application ||
    { echo "no terminal" >"$dir/verdict"; stop_all; return; }
  local link=(--port "$dir/host" --via serial-spp --baud 115200)
  local status counts lost=0 duplicated=0 corrupted=0 lost_bytes=0 duplicated_bytes=0
  local corrupted_bytes=0 misordered=0

  # Application download: the image stored, when there is one, is the one sent.
  local began=$SECONDS
  "$tool" download a.TPX "${link[@]}" --retries 3 >/dev/null 2>"$dir/download.err"
  status=$?
  local image=$dir/store/application.bin
  if [ -e "$image" ]; then
    local differing size
    differing=$(cmp -l a.bin "$image" 2>/dev/null | wc -l)
    size=$(stat -c %s "$image")
    corrupted_bytes=$((corrupted_bytes + differing))
    [ "$size" -lt 20000 ] && lost_bytes=$((lost_bytes + 20000 - size))
    cmp -s a.bin "$image" || problems+=("the stored image is wrong ($differing bytes differ)")
  elif [ "$status" -eq 0 ]; then
    lost_bytes=$((lost_bytes + 20000))
    problems+=("download succeeded without an image")
  fi
  if [ "$status" -ne 0 ] && ! failed_cleanly "$dir/download.err" "$download_messages"; then
    problems+=("download failed without one of its messages")
  fi
  echo "download $status $((SECONDS - began)) $(room "$dir/download.err" "$plan")" >"$dir/outcome"

  # Lookup download: every file the terminal stored holds the lines sent, once each, in order.
  restart_terminal "$dir" --records records.txt --fault "$plan" --seed "$seed" --expect lookup ||
    { echo "no terminal" >"$dir/verdict"; stop_all; return; }
  began=$SECONDS
  "$tool" send-lookup lookup.txt "${link[@]}" --retries 3 >/dev/null 2>"$dir/lookup.err"
  status=$?
  local stored found=0
  for stored in "$dir"/store/lookup-*.txt; do
    [ -e "$stored" ] || continue
    found=$((found + 1))
    tr -d '\r' <"$stored" >"$dir/stored-lines.txt"
    read -r l d c lb db cb m <<<"$(compare_lines lookup-lines.txt "$dir/stored-lines.txt")"
    lost=$((lost + l)) duplicated=$((duplicated + d)) corrupted=$((corrupted + c))
    lost_bytes=$((lost_bytes + lb)) duplicated_bytes=$((duplicated_bytes + db))
    corrupted_bytes=$((corrupted_bytes + cb)) misordered=$((misordered + m))
    cmp -s lookup.txt "$stored" || problems+=("$(basename "$stored") differs from the file sent")
  done
  if [ "$status" -eq 0 ] && [ "$found" -eq 0 ]; then
    lost=$((lost + 60))
    problems+=("send-lookup succeeded without a file")
  fi
  if [ "$status" -ne 0 ] && ! failed_cleanly "$dir/lookup.err" "$download_messages"; then
    problems+=("send-lookup failed without one of its messages")
  fi
  echo "send-lookup $status $((SECONDS - began)) $(room "$dir/lookup.err" "$plan")" >>"$dir/outcome"

  # Upload: all records once and in order, or a failure that left no file.
  restart_terminal "$dir" --records records.txt --fault "$plan" --seed "$seed" ||
    { echo "no terminal" >"$dir/verdict"; stop_all; return; }
  began=$SECONDS
  "$tool" receive "$dir/data.txt" "${link[@]}" --retries 3 >"$dir/count" 2>"$dir/receive.err"
  status=$?
  if [ "$status" -eq 0 ]; then
    tr -d '\r' <"$dir/data.txt" >"$dir/data-lines.txt"
    read -r l d c lb db cb m <<<"$(compare_lines records.txt "$dir/data-lines.txt")"
    lost=$((lost + l)) duplicated=$((duplicated + d)) corrupted=$((corrupted + c))
    lost_bytes=$((lost_bytes + lb)) duplicated_bytes=$((duplicated_bytes + db))
    corrupted_bytes=$((corrupted_bytes + cb)) misordered=$((misordered + m))
    [ "$(cat "$dir/count")" = 60 ] || problems+=("receive counted $(cat "$dir/count")")
    cmp -s records-crlf.txt "$dir/data.txt" || problems+=("the received records are wrong")
  else
    [ -e "$dir/data.txt" ] && problems+=("a failed receive left its file")
    failed_cleanly "$dir/receive.err" "$receive_messages" ||
      problems+=("receive failed without one of its messages")
  fi
  echo "receive $status $((SECONDS - began)) room" >>"$dir/outcome"
  stop_all

  local faults
  faults=$(grep -c '^tpq700 terminal: fault: ' "$dir/terminal.log")
  echo "$faults $lost $duplicated $corrupted $lost_bytes $duplicated_bytes $corrupted_bytes" \
    "$misordered" >"$dir/counts"
  if [ ${#problems[@]} -eq 0 ]; then
    echo ok >"$dir/verdict"
  else
    printf '%s\n' "${problems[@]}" >"$dir/verdict"
  fi
}

seeds=$(seq "$first" "$last")
running=0
for seed in $seeds; do
  if [ "$running" -ge "$jobs" ]; then
    wait -n
    running=$((running - 1))
  fi
  run_seed "$seed" &
  running=$((running + 1))
done
wait

runs=0 completed=0 faults=0 lost=0 duplicated=0 corrupted=0 lost_bytes=0 duplicated_bytes=0
corrupted_bytes=0 misordered=0
declare -A completed_by=() roomy_by=() roomy_completed_by=()
for seed in $seeds; do
  dir=$work/seed-$seed
  verdict=$(cat "$dir/verdict" 2>/dev/null || echo "no verdict")
  if [ "$verdict" != ok ]; then
    fail "seed $seed ($(cat "$dir/plan" 2>/dev/null)): $verdict"
    cat "$dir"/*.err "$dir/terminal.log" >&2 2>/dev/null
  fi
  while read -r command status _ memory; do
    runs=$((runs + 1))
    if [ "$status" -eq 0 ]; then
      completed=$((completed + 1))
      completed_by[$command]=$((${completed_by[$command]:-0} + 1))
    fi
    if [ "$memory" = room ]; then
      roomy_by[$command]=$((${roomy_by[$command]:-0} + 1))
      [ "$status" -eq 0 ] && roomy_completed_by[$command]=$((${roomy_completed_by[$command]:-0} + 1))
    fi
  done <"$dir/outcome"
  read -r f l d c lb db cb m <"$dir/counts" || continue
  faults=$((faults + f)) lost=$((lost + l)) duplicated=$((duplicated + d))
  corrupted=$((corrupted + c)) lost_bytes=$((lost_bytes + lb))
  duplicated_bytes=$((duplicated_bytes + db)) corrupted_bytes=$((corrupted_bytes + cb))
  misordered=$((misordered + m))
done
count=$(wc -w <<<"$seeds")
echo "soak: $count seeds, $runs runs in $(($(date +%s) - started)) s; $faults faults injected" >&2
echo "soak: completed: download ${completed_by[download]:-0}," \
  "send-lookup ${completed_by[send-lookup]:-0}, receive ${completed_by[receive]:-0} of" \
  "$count each; the others failed with their messages" >&2
echo "soak: records lost $lost, duplicated $duplicated, corrupted $corrupted, out of order" \
  "$misordered; bytes lost $lost_bytes, duplicated $duplicated_bytes, corrupted" \
  "$corrupted_bytes" >&2
echo "soak: completed where the plan leaves room (no FULL, nak below 5): download" \
  "${roomy_completed_by[download]:-0} of ${roomy_by[download]:-0}, send-lookup" \
  "${roomy_completed_by[send-lookup]:-0} of ${roomy_by[send-lookup]:-0}, receive" \
  "${roomy_completed_by[receive]:-0} of ${roomy_by[receive]:-0}" >&2
# With three retries, at most one run in a hundred that the plan leaves room for may fail.
for command in download send-lookup receive; do
  roomy=${roomy_by[$command]:-0} done_ok=${roomy_completed_by[$command]:-0}
  [ $((done_ok * 100)) -ge $((roomy * 99)) ] ||
    fail "$command completed $done_ok of $roomy runs with room: below 99%"
done
total_bad=$((lost + duplicated + corrupted + misordered + lost_bytes + duplicated_bytes + corrupted_bytes))
[ "$total_bad" -eq 0 ] || fail "records or bytes were lost, duplicated or corrupted"

if [ "$failures" -ne 0 ]; then
  echo "$failures failure(s)" >&2
  exit 1
fi
echo "link faults: all passed"
