#!/usr/bin/env bash
# Builds Quorvane optimised (build/bench, RelWithDebInfo) and runs the benchmark program offscreen, then the
# whole-process comparison with hyperfine. Arguments go to the benchmark program, for example
# scripts/bench.sh --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build/bench --target showcase_bench
bench=build/bench/bench/showcase_bench
export QT_QPA_PLATFORM=offscreen

"$bench" "$@"

# The whole process, as anyone can time it: start, main window, "Test", all 55 controls, "Close Form",
# end; beside a bare Qt start that shows one empty window and ends.
hyperfine --warmup 3 --runs 30 -N --export-json build/bench/whole-process.json \
    "$bench --child=cold-load" "$bench --child=bare-qt"
python3 - build/bench/whole-process.json <<'PY'
import json, sys
results = json.load(open(sys.argv[1]))["results"]
for r in results:
    print(f"{r['command']}: median {r['median'] * 1000:.1f} ms")
print(f"ratio of medians: {results[0]['median'] / results[1]['median']:.2f}")
PY
