#!/usr/bin/env bash
# Builds the Debian package build-pkg/corvelux_1.0_<arch>.deb; install it with
#     sudo apt-get install ./build-pkg/corvelux_*.deb
# Installs what packaging needs first (scripts/package-packages.txt). The
# program is built with Debian's hardening flags, and the package is
# reproducible: every time stamp in it is the last commit's date, so two
# builds of one commit give the same bytes.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BUILD_DIR:-$root/build-pkg}"

"$root/scripts/install-deps.sh" "$root/scripts/package-packages.txt"

# Read by the compiler's resource embedding and by CPack.
SOURCE_DATE_EPOCH="${SOURCE_DATE_EPOCH:-$(git -C "$root" log -1 --format=%ct)}"
export SOURCE_DATE_EPOCH
# Run from the source folder: the flags map its path to "." in the program.
cd "$root"
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags="$(dpkg-buildflags --get LDFLAGS)"

# Only what the package holds is built; the tests and benchmarks are not.
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" \
    -DCMAKE_MODULE_LINKER_FLAGS="$ldflags" \
    -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
# From scratch: objects of an earlier commit would keep that commit's time
# stamps in the embedded resources.
cmake --build "$build" --clean-first --parallel "$(nproc)" --target corvelux corvelux_imprimir corvelux_docs
cd "$build"
cpack -G DEB
