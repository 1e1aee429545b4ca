#!/bin/sh
# Rewrites docs/form1.png, docs/splash.png and docs/acercade.png from the
# windows as they open, rendered offscreen. Needs a build in BUILD (default
# build/) that includes the grab_windows target.
set -eu
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="${BUILD:-$root/build}"
cmake --build "$build" --target grab_windows
QT_QPA_PLATFORM=offscreen "$build/tests/windows/grab_windows" "$root/docs"
