#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every benchmark on a private Xvfb and prints one table: each figure of ours beside the
# floor's from the same run and their ratio (medians). Usage: bench/run-all.sh [BUILD_DIR]
set -euo pipefail
build=$(realpath "${1:-$(dirname "$0")/../build}")
out=$(mktemp -d)
exec 3> "$out/display"
Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb"; rm -rf "$out"' EXIT
exec 3>&-
for _ in $(seq 100); do
    [[ -s "$out/display" ]] && break
    sleep 0.1
done
export DISPLAY=":$(head -n1 "$out/display")" QT_QPA_PLATFORM=xcb
for bench in StartupBench MainWindowBench EventLoopBench; do
    "$build/bench/$bench" --benchmark_format=json --benchmark_out="$out/$bench.json" \
        --benchmark_out_format=json >/dev/null
done
python3 - "$out" <<'PY'
import json, pathlib, sys

runs = {}
for path in pathlib.Path(sys.argv[1]).glob("*.json"):
    for run in json.loads(path.read_text())["benchmarks"]:
        runs[run["name"].split("/")[0]] = run

rows = [
    ("start to splash mapped (ms)", "BM_StartupAndIdleMemory", "splash_ms"),
    ("start to main window painted (ms)", "BM_StartupAndIdleMemory", "main_ms"),
    ("splash gone to main window painted (ms)", "BM_StartupAndIdleMemory", "gap_ms"),
    ("idle RSS (MiB)", "BM_StartupAndIdleMemory", "rss_MiB"),
    ("build to first frame, no splash (ms)", "BM_StartupToFirstPaintedFrame", "build_ms"),
    ("full repaint (ms)", "BM_MainWindowFullRepaint", "repaint_ms"),
    ("longest event-loop gap, Apply (ms)", "BM_EventLoopDuringApply", "gap_ms"),
    ("Apply wall time vs its pauses (ms)", "BM_EventLoopDuringApply", "wall_ms"),
    ("longest event-loop gap, leave+arrive (ms)", "BM_EventLoopDuringArrival", "gap_ms"),
]
print(f"{'figure':44} {'ours':>10} {'floor':>10} {'ratio':>7}")
for label, name, counter in rows:
    run = runs.get(name, {})
    if counter not in run:
        print(f"{label:44} {'-':>10} {'-':>10} {'-':>7}  {run.get('error_message', 'not run')}")
        continue
    print(f"{label:44} {run[counter]:10.2f} {run[counter + '_floor']:10.2f} "
          f"{run[counter + '_ratio']:7.2f}")
memory = runs.get("BM_DialogOpenCloseMemory", {})
if "rss_growth_KiB" in memory:
    print(f"RSS growth over {memory['cycles']:.0f} open/close rounds of every dialog: "
          f"{memory['rss_growth_KiB']:.0f} KiB")
each = runs.get("BM_EachDialogOpenCloseMemory", {})
for key in sorted(k for k in each if k.startswith("rss_growth_KiB_")):
    print(f"RSS growth over {each['cycles']:.0f} open/close rounds of "
          f"{key[len('rss_growth_KiB_'):]}: {each[key]:.0f} KiB")
print(f"cores: {len(__import__('os').sched_getaffinity(0))}")
PY
