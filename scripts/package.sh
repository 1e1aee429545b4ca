#!/usr/bin/env bash
# Builds the Debian package build-pkg/corvelux_1.0_<arch>.deb; install it with
#     sudo apt-get install ./build-pkg/corvelux_*.deb
# Installs what building needs first, dpkg-dev included: CPack asks its
# dpkg-shlibdeps for the package's library dependencies.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BUILD_DIR:-$root/build-pkg}"

"$root/scripts/install-deps.sh"
if ! dpkg-query -W -f='${Status}' dpkg-dev 2>/dev/null | grep -q 'install ok installed'; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends dpkg-dev
fi

# Only what the package holds is built; the tests and benchmarks are not.
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target corvelux corvelux_docs
cd "$build"
cpack -G DEB
