#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite through CTest.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/tools/build.sh" "$@"
build=${LUMORA_BUILD_DIR:-$top/build}
ctest --test-dir "$build" --output-on-failure -j "$(nproc)" --timeout 600
