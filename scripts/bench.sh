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
    print(f"{mode if mode == 'quorvane-check' else '--child=' + mode}: median {seconds * 1000:.1f} ms")
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

# quorvane-check's processes together, against the plain check measured the same way: the sum of their
# proportional set sizes (a shared page counts once, split among the processes that map it), read from /proc
# every millisecond while they run; the highest sum, the median of five runs.
def family_peak(command):
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    def family(pid):
        try:
            children = [int(c) for c in open(f"/proc/{pid}/task/{pid}/children").read().split()]
        except OSError:
            return [pid]
        return [pid] + [d for c in children for d in family(c)]
    highest = 0.0
    while process.poll() is None:
        now = 0.0
        for pid in family(process.pid):
            try:
                now += next(int(l.split()[1]) for l in open(f"/proc/{pid}/smaps_rollup") if l.startswith("Pss:"))
            except (OSError, StopIteration):
                pass
        highest = max(highest, now / 1024)
        time.sleep(0.001)
    return highest
together = statistics.median(family_peak([sys.argv[3]]) for _ in range(5))
plain = statistics.median(family_peak([sys.argv[2], "--child=plain-check"]) for _ in range(5))
print(f"peak proportional memory: quorvane-check's processes together {together:.1f} MiB, the plain check "
      f"{plain:.1f} MiB, ratio {together / plain:.2f}")
PY

# The first click on a real X server: the program against a plain Qt program with the same two windows.
bench/first_click_xvfb.sh build/bench/bin/Quorvane "$bench" 20
