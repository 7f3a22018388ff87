#!/usr/bin/env bash
# Runs one fuzz target: every saved regression input once, then a search of SECONDS from the seeds. A crash
# fails the run and leaves its input in WORK_DIR/crashes/; copy it into the regressions folder once fixed.
#
#   run_fuzzer.sh FUZZER SEED_DIR REGRESSION_DIR WORK_DIR SECONDS
set -euo pipefail

fuzzer=$1
seeds=$2
regressions=$3
work=$4
seconds=$5
mkdir -p "$work/corpus" "$work/crashes"

if compgen -G "$regressions/*" >/dev/null; then
    "$fuzzer" "$regressions"/*
fi
exec "$fuzzer" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=4096 -print_final_stats=1 \
    -artifact_prefix="$work/crashes/" "$work/corpus" "$seeds"
