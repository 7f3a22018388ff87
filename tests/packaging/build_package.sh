#!/usr/bin/env bash
# Builds the Debian packages from the build tree into an emptied PACKAGE_DIR, one for each install component,
# and prints the control fields and files of each.
#
#   build_package.sh CPACK CPACK_CONFIG PACKAGE_DIR
set -euo pipefail
cpack=$1
config=$2
out=$3
source "$(dirname "$0")/package_file.sh"

rm -rf "$out"
mkdir -p "$out"
"$cpack" --config "$config" -G DEB -B "$out" || fail "cpack could not build the packages"
debs=("$out"/*.deb)
[[ ${#debs[@]} -eq ${#all_packages[@]} ]] ||
    fail "cpack made ${#debs[@]} packages, not one for each of ${all_packages[*]}: ${debs[*]}"
for package in "${all_packages[@]}"; do
    deb=$(package_file "$out" "$package")
    echo "== $deb"
    dpkg-deb --info "$deb"
    dpkg-deb --contents "$deb"
done
