#!/usr/bin/env bash
# Installs what is missing, builds Quorvane with its tests and runs the whole suite twice: once as built for
# use (GCC, build/test), once instrumented (clang with AddressSanitizer, LeakSanitizer and
# UndefinedBehaviorSanitizer, build/sanitize) with a short run of every fuzz target. Any sanitizer report
# fails the run. Last, the optimised build that scripts/run.sh makes, with warnings as errors: GCC warns of
# some things only when it optimises.
#
# With arguments, only the first suite runs, and the arguments go to ctest: scripts/test.sh -R Endurance -V
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test

cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUORVANE_WERROR=ON
cmake --build build/test
(cd build/test && ctest --output-on-failure --timeout 300 "$@")
[[ $# -eq 0 ]] || exit 0

echo "== the suite again, instrumented, and the fuzz targets"
scripts/build-sanitized.sh
(cd build/sanitize && ctest --output-on-failure --timeout 600)

echo "== the optimised build scripts/run.sh makes, warnings as errors"
cmake -S . -B build/release-werror -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVANE_BUILD_TESTS=OFF -DQUORVANE_WERROR=ON
cmake --build build/release-werror
