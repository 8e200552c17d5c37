#!/usr/bin/env bash
# Installs what is missing and builds everything into build/ (the program and its data
# into build/bin). Extra arguments go to CMake's configure step (-DLUMORA_SANITIZE=ON).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/tools/setup.sh"
build=${LUMORA_BUILD_DIR:-$top/build}
cmake -S "$top" -B "$build" -G Ninja "$@"
cmake --build "$build" -j "$(nproc)"
