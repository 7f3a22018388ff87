#!/usr/bin/env bash
# A program that links the runtime library gets its dependency on the runtime package from dpkg-shlibdeps,
# as a Debian package of any program for the runtime is built: here quorvane-check from the program
# package, with the runtime package unpacked as a package being built (its control files in DEBIAN/, where
# dpkg-shlibdeps reads its shlibs file).
#
#   shlibs_dependency.sh PACKAGE_DIR LIBDIR VERSION
set -euo pipefail
packages=$1
libdir=$2
version=$3
source "$(dirname "$0")/package_file.sh"
unpack_packages "$packages" "$program_package"
check=$root/usr/bin/quorvane-check
[[ -x $check ]] || fail "$program_package has no /usr/bin/quorvane-check"
runtime=$root/runtime
mkdir "$runtime"
deb=$(package_file "$packages" "$runtime_package")
dpkg-deb -x "$deb" "$runtime"
dpkg-deb -e "$deb" "$runtime/DEBIAN"

# dpkg-shlibdeps runs where a source package's debian/control is.
mkdir -p "$root/source/debian"
touch "$root/source/debian/control"
cd "$root/source"
status=0
output=$(dpkg-shlibdeps -O "-l$runtime/usr/$libdir" "$check" 2>"$root/errors") || status=$?
[[ $status -eq 0 ]] || fail "dpkg-shlibdeps ended with status $status:
$(cat "$root/errors")"
expected="$runtime_package (>= $version)"
[[ $output == *"$expected"* ]] || fail "dpkg-shlibdeps did not give a program that links the runtime
a dependency on '$expected':
$output"
echo "dpkg-shlibdeps on quorvane-check: $output"
