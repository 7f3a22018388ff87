#!/usr/bin/env bash
# Installs what is missing, builds Quorvane with its tests and runs the whole suite, the real-display test included.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUORVANE_WERROR=ON
cmake --build build/test
cd build/test
ctest --output-on-failure --timeout 300 "$@"
