#!/usr/bin/env bash
# Records the ABI of a built runtime library as the baseline the suite holds every later build to
# (tests/abi/abi_compatible.sh). Run it when a release adds to the ABI (new symbols in a new version node of
# runtime/quorvane-runtime.map) or starts a new SONAME; never to silence an incompatible change.
#
# The baseline is named after the library's SONAME (abi/libquorvane-runtime.so.2.abi.xz); the library must
# carry debug information (a Debug or RelWithDebInfo build):
#   tools/update_abi_baseline.sh build/test/lib/x86_64-linux-gnu/libquorvane-runtime.so.2
set -euo pipefail
library=${1:?usage: update_abi_baseline.sh RUNTIME_LIBRARY}
root=$(cd "$(dirname "$0")/.." && pwd)
[[ -f $library ]] || { echo "no runtime library at $library" >&2; exit 1; }
readelf -S "$library" | grep -q '\.debug_info' ||
    { echo "$library has no debug information: record the baseline from a Debug or RelWithDebInfo build" >&2; exit 1; }
soname=$(readelf -d "$library" | sed -n 's/.*Library soname: \[\(.*\)\]/\1/p')
# Without the corpus path and source locations, the same library gives the same baseline in any checkout.
abidw --no-corpus-path --no-show-locs "$library" | xz -9 >"$root/abi/$soname.abi.xz"
echo "recorded the ABI of $library as abi/$soname.abi.xz"
