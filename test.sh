#!/usr/bin/env bash
# Installs what is missing, builds and runs every test, fuzzes the compute
# path for 90 s, then runs every test again with AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
(cd "$root/build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 120)
"$root/scripts/fuzz.sh" 90
"$root/scripts/test-sanitized.sh"
