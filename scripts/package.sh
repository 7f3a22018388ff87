#!/usr/bin/env bash
# Builds Quorvane optimised and makes its three Debian packages in build/release/packages:
#   libquorvane-runtime2_<version>_amd64.deb     the forms runtime and its control library modules
#   quorvane_<version>_amd64.deb                 Quorvane and quorvane-check
#   libquorvane-runtime-dev_<version>_amd64.deb  for building programs for the runtime
# Install them with: sudo apt install ./build/release/packages/*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh package
# Configured for /usr, where the packages install: Debian's multiarch library folder, no search path of
# their own in the programs.
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DQUORVANE_BUILD_TESTS=OFF
cmake --build build/release
rm -rf build/release/packages
(cd build/release && cpack -G DEB -B packages >/dev/null)
ls -1 build/release/packages/*.deb
