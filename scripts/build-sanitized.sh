#!/usr/bin/env bash
# Builds the program and every test (not the benchmarks) with AddressSanitizer
# and UndefinedBehaviorSanitizer in build-asan/, where ctest runs them with
# the sanitizers' options (tests/CMakeLists.txt). A sanitizer report ends the
# reporting program with an error, so the test that triggered it fails.
#
# clang at -O0 builds in half the time g++ takes at -O1, and is the other
# compiler, g++ building build/; the light tracer alone is optimized
# (CMakeLists.txt). -g1 keeps line tables only, all that reports need.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cmake -S "$root" -B "$root/build-asan" -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=None -DCMAKE_CXX_FLAGS="-O0 -g1" \
    -DCORVELUX_SANITIZE=ON -DCORVELUX_BENCHMARKS=OFF >/dev/null
cmake --build "$root/build-asan" --parallel "$(nproc)"
