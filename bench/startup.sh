#!/usr/bin/env bash
# Start-up benchmark: time from starting CORVELUX to its first painted window,
# and its peak resident memory, against a bare Qt Widgets window built the
# same way; medians over RUNS runs (default 15) and the ratios.
#
#     bench/startup.sh [RUNS]        (BUILD_DIR=... to build elsewhere than build/)
#
# Measured on a virtual X display (Xvfb) with Qt's xcb platform, as on a
# desktop, and then on Qt's offscreen platform.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
runs="${1:-15}"
build="${BUILD_DIR:-$root/build}"

if ! command -v Xvfb >/dev/null; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends xvfb
fi

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --parallel "$(nproc)" \
    --target corvelux_firstpaint bare_window startup_compare >/dev/null
bench="$build/bench/startup"

scratch="$(mktemp -d)"
trap 'kill "${xvfb_pid:-}" 2>/dev/null; rm -rf "$scratch"' EXIT
# Qt wants a private runtime folder; a fresh one keeps its warnings away.
mkdir -m 700 "$scratch/runtime"
export XDG_RUNTIME_DIR="$scratch/runtime"

# Xvfb picks a free display itself and writes its number to the given file.
display_file="$scratch/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 50); do
    [ -s "$display_file" ] && break
    sleep 0.1
done
[ -s "$display_file" ] || { echo "Xvfb did not start" >&2; exit 1; }

compare() { # platform, then any environment
    echo "== Qt platform $1"
    env QT_QPA_PLATFORM="$1" "${@:2}" \
        "$bench/startup_compare" "$runs" "$bench/corvelux_firstpaint" "$bench/bare_window"
    echo
}
compare xcb DISPLAY=":$(cat "$display_file")"
# Offscreen windows cannot be raised; Qt's warning about it says nothing here.
compare offscreen QT_LOGGING_RULES=default.warning=false
