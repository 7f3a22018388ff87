#!/usr/bin/env bash
# Builds Quorvane optimised (build/bench, RelWithDebInfo) and runs the benchmark program offscreen, then the
# whole-process comparison with hyperfine. Arguments go to the benchmark program, for example
# scripts/bench.sh --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build/bench --target showcase_bench growth_child Quorvane
bench=build/bench/bench/showcase_bench
export QT_QPA_PLATFORM=offscreen

"$bench" "$@"

# Whole processes, as anyone can time them: the start-up to the main window, and the whole check (start, main
# window, "Test", all 55 controls, "Close Form", end); each beside its fair floor, the same windows as plain Qt
# widgets made directly, and beside a bare Qt start that shows one empty window and ends.
hyperfine --warmup 3 --runs 30 -N --export-json build/bench/whole-process.json \
    "$bench --child=start-up" "$bench --child=plain-start" \
    "$bench --child=cold-load" "$bench --child=plain-check" "$bench --child=bare-qt"
python3 - build/bench/whole-process.json "$bench" <<'PY'
import json, statistics, subprocess, sys
results = json.load(open(sys.argv[1]))["results"]
median = {r["command"].split("--child=")[1]: r["median"] for r in results}
for mode, seconds in median.items():
    print(f"--child={mode}: median {seconds * 1000:.1f} ms")
print(f"start-up / its plain floor: {median['start-up'] / median['plain-start']:.2f}")
print(f"whole check / its plain floor: {median['cold-load'] / median['plain-check']:.2f}")
for mode in ("start-up", "plain-start", "cold-load", "plain-check"):
    print(f"{mode} / bare Qt start: {median[mode] / median['bare-qt']:.2f}")

# Peak resident memory, as each child reports its own (VmHWM, MiB): the median of five.
def peak(mode):
    return statistics.median(float(subprocess.run([sys.argv[2], f"--child={mode}"], capture_output=True,
                                                  check=True, text=True).stdout.split()[1]) for _ in range(5))
check, floor = peak("cold-load"), peak("plain-check")
print(f"peak resident memory: whole check {check:.1f} MiB, its plain floor {floor:.1f} MiB, "
      f"ratio {check / floor:.2f}")
PY

# The first click on a real X server: the program against a plain Qt program with the same two windows.
bench/first_click_xvfb.sh build/bench/bin/Quorvane "$bench" 20
