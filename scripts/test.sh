#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and runs every test: the default build with all its tests,
# and the Debian package from a packager's Release build with the hardening flags, which is
# unpacked and checked. Arguments go to ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
package=$(scripts/package.sh build-package -DGX508_WERROR=ON)
python3 tests/package/check_package.py "$package"
ctest --test-dir build --output-on-failure "$@"
