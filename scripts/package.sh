#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package the way a distribution builds the program: a Release build of the
# programs alone (no tests) with Debian's hardening flags, installed under /usr and packed by
# CPack. Prints the package's path.
#
#   scripts/package.sh [BUILD_DIR [CMAKE_ARGUMENTS...]]
#
# BUILD_DIR (inside the repository unless absolute) defaults to build-package.
# CXX=clang++ picks the compiler; -DGX508_WERROR=ON makes warnings errors, as CI does.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-package}
shift $(($# > 0 ? 1 : 0))
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
# CMake has no preprocessor flags of its own: they go with the compiler flags, as debhelper does.
cxxflags="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
ldflags="$(dpkg-buildflags --get LDFLAGS)"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DBUILD_TESTING=OFF -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" \
    "$@" >&2
# Only the package's path goes to standard output.
cmake --build "$build" >&2
rm -f "$build"/gx508_*.deb
(cd "$build" && cpack -G DEB >&2)
ls "$(realpath "$build")"/gx508_*.deb
