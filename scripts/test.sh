#!/usr/bin/env bash
# Installs what is missing, builds natively and for Windows, and runs every test: the native
# suite, the same suite built with address and undefined-behaviour sanitizers, then the Windows
# executables under Wine (with a virtual display for the GUI tests).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

# Both builds first: the native suite checks the Windows package, made from the Windows build.
echo "== native and Windows builds" >&2
cmake --preset native >/dev/null
cmake --build --preset native
cmake --preset windows >/dev/null
cmake --build --preset windows

echo "== native tests" >&2
ctest --preset native

echo "== native build and tests with address and undefined-behaviour sanitizers" >&2
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan

echo "== Windows tests under Wine" >&2
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset windows
