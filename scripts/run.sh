#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program on a working default.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset native >/dev/null
cmake --build --preset native

tool=build/native/tpq700
"$tool" --help

# A design to start from: written once, never over the user's own.
design_dir="$HOME/Q700"
design="$design_dir/New.TPX"
mkdir -p "$design_dir"
if [ -e "$design" ]; then
  echo "Kept the existing design $design (revision $("$tool" get "$design" settings.revision))."
else
  "$tool" new "$design"
  echo "Wrote a new design to $design."
fi
echo "Try: $tool show \"$design\" | less"
