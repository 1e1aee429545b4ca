#!/usr/bin/env bash
# Builds the program and every test (not the benchmarks) with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-asan/ and runs the whole suite there,
# with the sanitizers' options (tests/CMakeLists.txt). A sanitizer report ends
# the reporting program with an error, so the test that triggered it fails.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-asan"
# -O1 with line tables only, as is usual for sanitizer builds: reports keep
# their file and line numbers, and the build takes about a third less time.
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=None -DCMAKE_CXX_FLAGS="-O1 -g1" \
    -DCORVELUX_SANITIZE=ON -DCORVELUX_BENCHMARKS=OFF >/dev/null
cmake --build "$build" --parallel "$(nproc)"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 240
