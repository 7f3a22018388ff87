#!/usr/bin/env bash
# Builds Quorvane, its tests and its fuzz targets with clang, instrumented by AddressSanitizer, LeakSanitizer,
# UndefinedBehaviorSanitizer and libFuzzer's coverage, into build/sanitize. Needs the test packages
# (scripts/install-deps.sh test).
set -euo pipefail
cd "$(dirname "$0")/.."
CC=clang-14 CXX=clang++-14 cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUORVANE_FUZZ=ON -DQUORVANE_WERROR=ON
cmake --build build/sanitize
