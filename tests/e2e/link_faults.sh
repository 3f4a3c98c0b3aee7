#!/usr/bin/env bash
# The three exchanges as processes against a virtual terminal that injects faults, over 20 seeds:
# each command either delivers everything exactly once or fails with a message, and what either
# side kept is never wrong. Seeds run ten at a time, each on a socat pair of its own.
# Usage: link_faults.sh PATH/TO/tpq700 [FIRST_SEED LAST_SEED]
set -u
tool=$1
first=${2:-1}
last=${3:-20}
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
faults=${LINK_FAULTS:-"corrupt=0.03,drop=0.003,garble=0.01,silence=0.003"}

"$tool" new a.TPX >/dev/null && "$tool" image a.TPX a.bin || exit 1
: >lookup.txt
: >records.txt
for i in $(seq 60); do
  printf '%05d;item %d %s\r\n' "$i" "$i" "$(printf '=%.0s' $(seq $((i % 37 + 1))))" >>lookup.txt
  printf 'record %d;%s\n' "$i" "$(printf '*%.0s' $(seq $((i % 41 + 1))))" >>records.txt
done
crlf records.txt >records-crlf.txt

# Runs the three commands against a terminal with the faults of SEED; writes its verdict.
run_seed() {
  local seed=$1 dir=$work/seed-$1 problems=()
  mkdir -p "$dir"
  pids=()
  make_pair "$dir" || { echo "no pair" >"$dir/verdict"; return; }
  start_terminal "$dir" --records records.txt --fault "$faults" --seed "$seed" ||
    { echo "no terminal" >"$dir/verdict"; stop_all; return; }
  local link=(--port "$dir/host" --via serial-spp --baud 115200)

  "$tool" download a.TPX "${link[@]}" --retries 3 >/dev/null 2>"$dir/download.err"
  local status=$?
  if [ -e "$dir/store/application.bin" ] && ! cmp -s a.bin "$dir/store/application.bin"; then
    problems+=("the stored image is wrong")
  fi
  if [ "$status" -eq 0 ]; then
    [ -e "$dir/store/application.bin" ] || problems+=("download succeeded without an image")
  elif ! grep -q "^tpq700: \(Error\|Warning\): " "$dir/download.err"; then
    problems+=("download failed without a message")
  fi
  echo "download $status" >"$dir/outcome"

  "$tool" send-lookup lookup.txt "${link[@]}" --retries 3 >/dev/null 2>"$dir/lookup.err"
  status=$?
  local stored
  for stored in "$dir"/store/lookup-*.txt; do
    [ -e "$stored" ] || continue
    cmp -s lookup.txt "$stored" || problems+=("$(basename "$stored") differs from the file sent")
  done
  if [ "$status" -eq 0 ]; then
    [ -e "$dir/store/lookup-1.txt" ] || problems+=("send-lookup succeeded without a file")
  elif ! grep -q "^tpq700: \(Error\|Warning\): " "$dir/lookup.err"; then
    problems+=("send-lookup failed without a message")
  fi
  echo "send-lookup $status" >>"$dir/outcome"

  "$tool" receive "$dir/data.txt" "${link[@]}" >"$dir/count" 2>"$dir/receive.err"
  status=$?
  if [ "$status" -eq 0 ]; then
    [ "$(cat "$dir/count")" = 60 ] || problems+=("receive counted $(cat "$dir/count")")
    cmp -s records-crlf.txt "$dir/data.txt" || problems+=("the received records are wrong")
  else
    [ -e "$dir/data.txt" ] && problems+=("a failed receive left its file")
    grep -q "^tpq700: Error: " "$dir/receive.err" || problems+=("receive failed without a message")
  fi
  echo "receive $status" >>"$dir/outcome"
  stop_all
  if [ ${#problems[@]} -eq 0 ]; then
    echo ok >"$dir/verdict"
  else
    printf '%s\n' "${problems[@]}" >"$dir/verdict"
  fi
}

seeds=$(seq "$first" "$last")
batch=()
for seed in $seeds; do
  run_seed "$seed" &
  batch+=($!)
  if [ ${#batch[@]} -ge 10 ]; then
    wait "${batch[@]}"
    batch=()
  fi
done
wait "${batch[@]}" 2>/dev/null

completed=0
total=0
for seed in $seeds; do
  dir=$work/seed-$seed
  verdict=$(cat "$dir/verdict" 2>/dev/null || echo "no verdict")
  if [ "$verdict" != ok ]; then
    fail "seed $seed: $verdict"
    cat "$dir"/*.err "$dir/terminal.log" >&2 2>/dev/null
  fi
  completed=$((completed + $(grep -c ' 0$' "$dir/outcome" 2>/dev/null || echo 0)))
  total=$((total + 3))
done
echo "fault runs: $completed of $total commands completed; the others failed cleanly" >&2

if [ "$failures" -ne 0 ]; then
  echo "$failures failure(s)" >&2
  exit 1
fi
echo "link faults: all passed"
