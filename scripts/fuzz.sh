#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang and libFuzzer into build-fuzz/ and runs each for a fixed
# time (default 20 s; FUZZ_SECONDS overrides). New inputs go to build-fuzz/corpus/, crashes to
# build-fuzz/crashes/; a crash fails the run: copy it into tests/fuzz/corpus/<target>/ as a
# regression case once it is fixed.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-20}
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DGX508_FUZZ=ON -DGX508_WERROR=ON >/dev/null
cmake --build build-fuzz --target gx508_fuzzers
mkdir -p build-fuzz/crashes
for target in $(ls tests/fuzz/corpus); do
    mkdir -p "build-fuzz/corpus/$target"
    echo "fuzzing $target for ${seconds} s"
    "build-fuzz/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="build-fuzz/crashes/$target-" \
        "build-fuzz/corpus/$target" "tests/fuzz/corpus/$target" 2>&1 | tail -n 12
done
