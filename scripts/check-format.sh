#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails, naming the files, when a C++ source of the project differs from what clang-format makes
# of it with the project's .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files -- '*.cpp' '*.h' 2>/dev/null || find src tests skin bench data -name '*.cpp' -o -name '*.h')
clang-format --dry-run --Werror "${files[@]}"
echo "${#files[@]} files formatted"
