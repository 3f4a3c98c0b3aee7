#!/usr/bin/env bash
# Installs what is missing, builds natively and for Windows, and runs every test: the native
# suite, then the Windows executables under Wine (with a virtual display for the GUI tests).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

echo "== native build and tests" >&2
cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native

echo "== Windows build and tests under Wine" >&2
cmake --preset windows >/dev/null
cmake --build --preset windows
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset windows
