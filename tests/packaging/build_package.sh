#!/usr/bin/env bash
# Builds the Debian package from the build tree into an emptied PACKAGE_DIR, and prints its control fields and
# files.
#
#   build_package.sh CPACK CPACK_CONFIG PACKAGE_DIR
set -euo pipefail
cpack=$1
config=$2
out=$3
source "$(dirname "$0")/package_file.sh"

rm -rf "$out"
mkdir -p "$out"
"$cpack" --config "$config" -G DEB -B "$out" || fail "cpack could not build the package"
deb=$(package_file "$out")
dpkg-deb --info "$deb"
dpkg-deb --contents "$deb"
