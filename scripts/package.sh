#!/usr/bin/env bash
# Builds Quorvane optimised and makes its Debian package: build/release/packages/quorvane_<version>_amd64.deb.
# Install it with: sudo apt install ./build/release/packages/quorvane_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh package
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVANE_BUILD_TESTS=OFF
cmake --build build/release
(cd build/release && cpack -G DEB -B packages >/dev/null)
ls -1 build/release/packages/*.deb
