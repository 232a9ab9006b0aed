#!/usr/bin/env bash
# Builds the Debian package build/package/ertavino_<version>_amd64.deb:
# installs what is missing, builds the program alone with Debian's compiler
# and linker flags (every hardening feature on) and has CPack make the
# package, its library dependencies found by dpkg-shlibdeps
# (pacchetto/CMakeLists.txt says what else goes in).
#
# Usage: scripts/package.sh [OUT_DIR [BUILD_DIR]]
# Defaults: build/package and build/package-build; the tests pass their own.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$root/build/package}")
tree=$(realpath -m "${2:-$root/build/package-build}")
cd "$root"
bash scripts/install-deps.sh

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
# CMake reads no CPPFLAGS: the preprocessor's flags (_FORTIFY_SOURCE) go
# with the compiler's.
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
cmake --preset package -B "$tree" -DCMAKE_CXX_FLAGS="$cxxflags" \
  -DCMAKE_EXE_LINKER_FLAGS="$ldflags" >/dev/null
cmake --build "$tree" -j "$(nproc)" --target ertavino

# One package in OUT_DIR: an older version's is removed first, and so is
# CPack's staging folder after.
mkdir -p "$out"
rm -rf "$out"/ertavino_*.deb "$out/_CPack_Packages"
(cd "$tree" && cpack -B "$out")
rm -rf "$out/_CPack_Packages"
ls "$out"/ertavino_*.deb
