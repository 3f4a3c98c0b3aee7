#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program on a working default.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset native >/dev/null
cmake --build --preset native

tool=build/native/tpq700
"$tool" --help
