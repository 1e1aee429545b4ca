#!/usr/bin/env bash
# Command-line benchmark: `corvelux --tabla 1.001 4.000 0.001` (3000 rows)
# and `corvelux --gemas`, each as a whole process with no display and its
# output thrown away; the median wall time over RUNS runs (default 21).
#
#     bench/cli.sh [RUNS]        (BUILD_DIR=... to use another build folder)
#
# Timed with bash's microsecond clock: /usr/bin/time shows only hundredths of
# a second, too coarse for a run of a few milliseconds.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
runs="${1:-21}"
program="${BUILD_DIR:-$root/build}/app/corvelux"
[ -x "$program" ] || { echo "build the program first: $program" >&2; exit 1; }

# The median, in milliseconds, of RUNS runs of the program with the given
# arguments.
median_ms() {
    local start
    for _ in $(seq "$runs"); do
        start=$EPOCHREALTIME
        env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@" >/dev/null
        echo "$start $EPOCHREALTIME"
    done | awk '{ print ($2 - $1) * 1000 }' | sort -g |
        awk '{ t[NR] = $1 } END { printf "%.1f", t[int((NR + 1) / 2)] }'
}

echo "corvelux --tabla 1.001 4.000 0.001: $(median_ms --tabla 1.001 4.000 0.001) ms (median of $runs)"
echo "corvelux --gemas:                   $(median_ms --gemas) ms (median of $runs)"
