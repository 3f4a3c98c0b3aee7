#!/usr/bin/env bash
# Replays every fuzz target over its seed corpus (made afresh by make_seeds.sh) and over the
# inputs kept in fuzz/regressions/TARGET, with the plain drivers of a normal or sanitizer build.
# Usage: fuzz/replay.sh PATH/TO/tpq700 FOLDER_OF_THE_REPLAY_EXECUTABLES
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
tool=$1
bin=$2
seeds=$(mktemp -d)
trap 'rm -rf "$seeds"' EXIT
bash "$here/make_seeds.sh" "$tool" "$seeds" >/dev/null
status=0
for replay in "$bin"/*_replay; do
  target=$(basename "$replay" _replay)
  inputs=("$seeds/$target")
  [ -d "$here/regressions/$target" ] && inputs+=("$here/regressions/$target")
  "$replay" "${inputs[@]}" || { echo "FAIL: $target" >&2; status=1; }
done
exit $status
