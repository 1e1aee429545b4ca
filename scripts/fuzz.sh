#!/usr/bin/env bash
# Fuzzes the compute path: builds fuzz/fuzz_compute with clang, libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer in build-fuzz/, then feeds it
# arbitrary field texts for SECONDS (default 90), starting from the seeds in
# fuzz/corpus/. Fails on any crash, sanitizer report, or input that runs
# longer than 2 s; the offending input is kept in build-fuzz/findings/.
#
# Usage: scripts/fuzz.sh [SECONDS]
# Replay one input: build-fuzz/fuzz_compute FILE
set -euo pipefail
seconds="${1:-90}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-fuzz"
cmake -S "$root/fuzz" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" --target fuzz_compute --parallel "$(nproc)"

# New inputs go to the first folder, so the seeds stay as committed and the
# inputs found are kept for the next run.
mkdir -p "$build/corpus" "$build/findings"
export UBSAN_OPTIONS=print_stacktrace=1
# Progress lines (each new input) are left out; reports and totals remain.
"$build/fuzz_compute" "$build/corpus" "$root/fuzz/corpus" \
    -dict="$root/fuzz/compute.dict" -max_total_time="$seconds" -timeout=2 \
    -max_len=1024 -rss_limit_mb=2048 -artifact_prefix="$build/findings/" \
    -print_final_stats=1 2>&1 | grep -v -E '^#[0-9]+[[:space:]]+(NEW|REDUCE|pulse)'
