#!/usr/bin/env bash
# Builds Quorvane optimised (build/bench, RelWithDebInfo) and runs the benchmark program offscreen, then the
# whole-process comparison with hyperfine. Arguments go to the benchmark program, for example
# scripts/bench.sh --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build/bench --target showcase_bench growth_child Quorvane quorvane-check
bench=build/bench/bench/showcase_bench
export QT_QPA_PLATFORM=offscreen

"$bench" "$@"

# Whole processes, as anyone can time them: the start-up to the main window, and the whole check (start, main
# window, "Test", all 55 controls, "Close Form", end); each beside its fair floor, the same windows as plain Qt
# widgets made directly, and beside a bare Qt start that shows one empty window and ends. quorvane-check, the
# check as shipped (its children creating the classes), beside the same floor and the check in one process.
check=build/bench/bin/quorvane-check
hyperfine --warmup 3 --runs 30 -N --export-json build/bench/whole-process.json \
    "$bench --child=start-up" "$bench --child=plain-start" \
    "$bench --child=cold-load" "$bench --child=plain-check" "$bench --child=bare-qt" "$check"
python3 - build/bench/whole-process.json "$bench" "$check" <<'PY'
import json, os, statistics, subprocess, sys, time
results = json.load(open(sys.argv[1]))["results"]
median = {r["command"].split("--child=")[1] if "--child=" in r["command"] else "quorvane-check": r["median"]
          for r in results}
for mode, seconds in median.items():
    print(f"--child={mode}: median {seconds * 1000:.1f} ms")
print(f"start-up / its plain floor: {median['start-up'] / median['plain-start']:.2f}")
print(f"whole check / its plain floor: {median['cold-load'] / median['plain-check']:.2f}")
print(f"quorvane-check / the plain floor: {median['quorvane-check'] / median['plain-check']:.2f}, "
      f"/ the check in one process: {median['quorvane-check'] / median['cold-load']:.2f}")
for mode in ("start-up", "plain-start", "cold-load", "plain-check"):
    print(f"{mode} / bare Qt start: {median[mode] / median['bare-qt']:.2f}")

# Peak resident memory, as each child reports its own (VmHWM, MiB): the median of five.
def peak(mode):
    return statistics.median(float(subprocess.run([sys.argv[2], f"--child={mode}"], capture_output=True,
                                                  check=True, text=True).stdout.split()[1]) for _ in range(5))
check, floor = peak("cold-load"), peak("plain-check")
print(f"peak resident memory: whole check {check:.1f} MiB, its plain floor {floor:.1f} MiB, "
      f"ratio {check / floor:.2f}")

# quorvane-check's processes together: each one's VmHWM, read from /proc every millisecond until it ends
# (the last reading is within a millisecond of its end), summed. Pages a forked child still shares with its
# parent count in both: the sum is an upper bound.
def family_peak():
    process = subprocess.Popen([sys.argv[3]], stdout=subprocess.DEVNULL)
    highest = {}
    def descendants(pid):
        try:
            children = open(f"/proc/{pid}/task/{pid}/children").read().split()
        except OSError:
            return []
        return [int(c) for c in children] + [d for c in children for d in descendants(int(c))]
    while process.poll() is None:
        for pid in [process.pid] + descendants(process.pid):
            try:
                for line in open(f"/proc/{pid}/status"):
                    if line.startswith("VmHWM:"):
                        highest[pid] = max(highest.get(pid, 0), int(line.split()[1]) / 1024)
            except OSError:
                pass
        time.sleep(0.001)
    return sum(highest.values())
together = statistics.median(family_peak() for _ in range(5))
print(f"peak resident memory: quorvane-check's processes together {together:.1f} MiB, "
      f"ratio to the plain floor {together / floor:.2f}")
PY

# The first click on a real X server: the program against a plain Qt program with the same two windows.
bench/first_click_xvfb.sh build/bench/bin/Quorvane "$bench" 20
