#!/usr/bin/env bash
# Regenerates docs/ayuda.png, the picture of the help window, offscreen.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build}"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 --target help_screenshot
QT_QPA_PLATFORM=offscreen "$build/help/help_screenshot" "$root/docs/ayuda.png"
