#!/usr/bin/env bash
# quorvane-check, unpacked from the package into a folder of its own, finds its modules there: the module path
# compiled into it holds in the package's layout. With one module taken away it reports that module and
# fails, so the modules it found were the unpacked ones.
#
#   runs_extracted.sh PACKAGE_DIR
set -euo pipefail
packages=$1
source "$(dirname "$0")/package_file.sh"
unpack_package "$packages"
check=$root/usr/bin/quorvane-check
[[ -x $check ]] || fail "the package has no /usr/bin/quorvane-check"

# From another folder, so that nothing is found by way of the current one.
cd "$root"
status=0
output=$("$check" 2>&1) || status=$?
[[ $status -eq 0 ]] || fail "the unpacked quorvane-check ended with status $status:
$output"

removed=$(find "$root/usr/lib/quorvane/controls" -name '*.so' | sort | head -n 1)
[[ -n $removed ]] || fail "the package has no modules in /usr/lib/quorvane/controls"
rm "$removed"
module=$(basename "$removed")
status=0
output=$("$check" 2>&1) || status=$?
[[ $status -ne 0 ]] || fail "the unpacked quorvane-check passed without $module:
$output"
[[ $output == *"$module"* ]] || fail "without $module, the unpacked quorvane-check did not name it:
$output"
echo "the unpacked quorvane-check passes, and fails naming $module once it is taken away"
