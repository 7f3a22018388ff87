#!/usr/bin/env bash
# The runtime package and the program package, unpacked together into a folder of their own, make a working
# installation: quorvane-check runs with the unpacked runtime library, which finds its modules beside itself.
# With one module taken away it reports that module and fails, so the modules it found were the unpacked
# ones. Its JSON report holds to the schema the program package carries. The programs of a Debian package
# find the runtime where the system looks, so here the unpacked library folder is put before the system's
# (LD_LIBRARY_PATH), as installing puts the library there.
#
#   runs_extracted.sh PACKAGE_DIR LIBDIR CONTROLS_BESIDE_RUNTIME
# LIBDIR is the library folder under /usr (lib/x86_64-linux-gnu), CONTROLS_BESIDE_RUNTIME the module folder
# relative to it.
set -euo pipefail
packages=$1
libdir=$2
source "$(dirname "$0")/package_file.sh"
unpack_packages "$packages" "$runtime_package" "$program_package"
check=$root/usr/bin/quorvane-check
controls=$root/usr/$libdir/$3
[[ -x $check ]] || fail "$program_package has no /usr/bin/quorvane-check"
export LD_LIBRARY_PATH=$root/usr/$libdir

# Prints the value of a text member of the JSON report, e.g. `member runtime path`.
member() {
    python3 -c '
import json, sys
value = json.load(sys.stdin)
for key in sys.argv[1:]:
    value = value[key]
print(value)' "$@"
}

# From another folder, so that nothing is found by way of the current one.
cd "$root"
status=0
output=$("$check" --json 2>&1) || status=$?
[[ $status -eq 0 ]] || fail "the unpacked quorvane-check ended with status $status:
$output"
"$check_json" --schema "$root/$check_schema" report <<<"$output" ||
    fail "the unpacked quorvane-check's report does not hold to /$check_schema (above)"
runtime=$(member runtime path <<<"$output")
modules=$(member moduleDirectory <<<"$output")
[[ $runtime == "$root/usr/$libdir/"* ]] ||
    fail "the unpacked quorvane-check ran with the runtime library $runtime, not the unpacked one"
[[ $modules == "$controls" ]] || fail "the unpacked runtime loaded its modules from $modules, not $controls"

removed=$(find "$controls" -name '*.so' | sort | head -n 1)
[[ -n $removed ]] || fail "$runtime_package has no modules in /usr/$libdir/$3"
rm "$removed"
module=$(basename "$removed")
status=0
output=$("$check" 2>&1) || status=$?
[[ $status -ne 0 ]] || fail "the unpacked quorvane-check passed without $module:
$output"
[[ $output == *"$module"* ]] || fail "without $module, the unpacked quorvane-check did not name it:
$output"
echo "the unpacked quorvane-check passes with the unpacked runtime ($runtime), and fails naming $module once it is taken away"
