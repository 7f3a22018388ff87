#!/usr/bin/env bash
# Installs what is missing, builds Quorvane and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVANE_BUILD_TESTS=OFF
cmake --build build/release
exec build/release/bin/Quorvane
