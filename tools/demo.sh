#!/usr/bin/env bash
# Installs what is missing, builds, and runs the program's main job on the shipped data.
# With a screen the program opens as usual. Without one it runs under Xvfb, saves a
# picture of its main window as out/main-window.png and ends.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/tools/build.sh"
build=${LUMORA_BUILD_DIR:-$top/build}
if [ -n "${DISPLAY:-}" ]; then
  exec "$build/bin/lumora"
fi
mkdir -p "$top/out"
xvfb-run -a -s "-screen 0 1280x900x24" "$build/bin/lumora" --screenshot "$top/out/main-window.png"
echo "saved $top/out/main-window.png"
