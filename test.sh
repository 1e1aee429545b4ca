#!/usr/bin/env bash
# Installs what is missing, builds the program, its tests and benchmarks in
# build/ and the program and its tests with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-asan/, then runs every test in both
# builds while the compute path is fuzzed for 90 s on the side
# (scripts/fuzz.sh, build-fuzz/). Fails if any test or the fuzzing does.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
"$root/scripts/build-sanitized.sh"

# The fuzzing keeps one core busy for 90 s while the tests run as many at a
# time as there are cores (the real-display ones each on a display of its
# own). It runs in a session of its own, to be stopped whole if this script
# is, and its output is shown at the end.
mkdir -p "$root/build-fuzz"
fuzz_log="$root/build-fuzz/fuzz.log"
setsid "$root/scripts/fuzz.sh" 90 >"$fuzz_log" 2>&1 &
fuzz_pid=$!
trap 'kill -- -"$fuzz_pid" 2>/dev/null || true' EXIT

failed=()
for build in build build-asan; do
    echo "=== Every test in $build/"
    (cd "$root/$build" && ctest --output-on-failure --parallel "$(nproc)") ||
        failed+=("the tests in $build/")
done
echo "=== Fuzzing the compute path for 90 s (scripts/fuzz.sh)"
wait "$fuzz_pid" || failed+=("the fuzzing")
trap - EXIT
cat "$fuzz_log"

if [ ${#failed[@]} -gt 0 ]; then
    printf 'FAILED: %s\n' "${failed[@]}" >&2
    exit 1
fi
