#!/usr/bin/env bash
# A long fuzzing run: every fuzz target in turn for SECONDS (default 3600) each, from the seeds and from what
# earlier runs found (kept in build/sanitize/fuzz/work/<target>/corpus). Inputs that crash are left in
# build/sanitize/fuzz/work/<target>/crashes/.
#
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-3600}
scripts/install-deps.sh test
scripts/build-sanitized.sh
cd build/sanitize
ctest --output-on-failure -R '^fuzz\.seeds$'
for fuzzer in fuzz/*_fuzzer; do
    target=$(basename "$fuzzer" _fuzzer)
    ../../fuzz/run_fuzzer.sh "$fuzzer" "fuzz/seeds/$target" "../../fuzz/regressions/$target" "fuzz/work/$target" \
        "$seconds"
done
