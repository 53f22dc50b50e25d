#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds into build/ (the portable program folder is build/bin/), with warnings
# as errors as the project's own builds have them.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGX508_WERROR=ON >/dev/null
cmake --build build
