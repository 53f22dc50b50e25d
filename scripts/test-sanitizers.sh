#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds and runs the whole test suite under AddressSanitizer and UndefinedBehaviorSanitizer
# (build-asan/), then the tests that hand work between threads (an apply beside the window, the
# reader thread, the mailbox that brings their work to the window) under ThreadSanitizer
# (build-tsan/). Any finding fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
here=$(pwd)

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DGX508_SANITIZE=address,undefined -DGX508_WERROR=ON >/dev/null
cmake --build build-asan
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
LSAN_OPTIONS=suppressions=$here/tests/sanitizers/lsan.supp:print_suppressions=0 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure "$@"

cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGX508_SANITIZE=thread \
    -DGX508_WERROR=ON >/dev/null
TSAN_OPTIONS=report_bugs=0 cmake --build build-tsan --target gx508_core_tests \
    CMouseConfigurationDlgTest QtPointerBackendTest ThreadMailboxTest gx508_base_files gx508_skin
TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1:suppressions=$here/tests/sanitizers/tsan.supp \
    ctest --test-dir build-tsan --output-on-failure \
    -R 'DeviceLink|ApplySequence|CMouseConfigurationDlgTest|QtPointerBackendTest|ThreadMailbox' "$@"
