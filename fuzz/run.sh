#!/usr/bin/env bash
# Fuzzes one target of the fuzz build for a while and reports its executions and coverage. Makes
# the seed corpora first when they are missing; the corpus a run grows is kept for the next run,
# and an input that breaks an invariant or crashes is kept as an artifact.
# Usage: fuzz/run.sh TARGET SECONDS   (TARGET: project_file, receive, ... without _fuzz)
#   Q700_FUZZ_BUILD=DIR   the fuzz build (default build/fuzz)
set -euo pipefail
cd "$(dirname "$0")/.."
target=$1
seconds=$2
build=${Q700_FUZZ_BUILD:-build/fuzz}
binary=$build/fuzz/${target}_fuzz
[ -x "$binary" ] || { echo "no $binary: cmake --preset fuzz && cmake --build --preset fuzz" >&2; exit 2; }
seeds=$build/seeds
[ -d "$seeds/$target" ] || bash fuzz/make_seeds.sh "$build/tpq700" "$seeds" >/dev/null
corpus=$build/corpus/$target
artifacts=$build/artifacts/$target
mkdir -p "$corpus" "$artifacts"

# Inputs a little longer than the largest file each reader takes whole (a language file's
# 17,000 bytes, a project file's 18,954), so the cuts are crossed too; a design in JSON is larger.
case $target in
  language_files | project_file | prompt_import) max_len=20000 ;;
  lookup_send | lookup_data) max_len=8192 ;;
  design_json) max_len=200000 ;;  # a whole design's listing is about 125,000 bytes
  *) max_len=4096 ;;
esac
# The targets write their inputs to files, and some are replaced with fsync: on a memory file
# system that costs nothing.
[ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm

log=$build/$target.log
set +e
"$binary" -max_total_time="$seconds" -max_len="$max_len" -print_final_stats=1 \
  -artifact_prefix="$artifacts/" "$corpus" "$seeds/$target" >"$log" 2>&1
status=$?
set -e
executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
last=$(grep -E '^#[0-9]+.* cov: ' "$log" | tail -1 || true)
coverage=$(sed -n 's/.* cov: \([0-9]*\) ft: \([0-9]*\) corp: \([0-9]*\).*/\1 edges, \2 features, corpus \3/p' <<<"$last")
if [ "$status" -eq 0 ]; then
  echo "$target: ${executions:-?} executions in $seconds s (${rate:-?}/s), $coverage; no failure"
else
  echo "$target: FAILED after ${executions:-?} executions (see $log and $artifacts)"
  grep -E 'invariant broken|ERROR: |SUMMARY' "$log" | head -5
  exit 1
fi
