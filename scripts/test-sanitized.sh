#!/usr/bin/env bash
# Builds the program and every test with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-asan/ (scripts/build-sanitized.sh) and
# runs the whole suite there.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/build-sanitized.sh"
cd "$root/build-asan"
ctest --output-on-failure
