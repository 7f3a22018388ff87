#!/usr/bin/env bash
# The built runtime library keeps the ABI recorded in abi/ for its SONAME: abidiff (abigail-tools) sets the
# library against the baseline. Any difference fails: an incompatible one (a symbol gone, a public type's
# layout or a function's signature changed) needs a new SONAME; a compatible one (symbols added) needs a new
# version node in runtime/quorvane-runtime.map and a new baseline (tools/update_abi_baseline.sh), so that
# what a release promises is always written down.
#
# Programs see the types the public headers define. A class they only declare (the runtime object, the private
# part of a form or a control) reaches programs by pointer or reference alone: its layout is the library's
# own, and abidiff is told to leave it out.
#
#   abi_compatible.sh RUNTIME_LIBRARY BASELINE_DIR ARTEFACT_DIR PUBLIC_HEADER_DIR...
set -euo pipefail
library=$1
baselines=$2
artefacts=$3
shift 3
headers=()
for dir in "$@"; do
    headers+=("$dir"/*.h)
done
mkdir -p "$artefacts"

soname=$(readelf -d "$library" | sed -n 's/.*Library soname: \[\(.*\)\]/\1/p')
baseline=$baselines/$soname.abi.xz
if [[ ! -f $baseline ]]; then
    echo "FAILED: no ABI baseline for $soname in $baselines: a new SONAME starts with one, recorded by" \
        "tools/update_abi_baseline.sh $library" >&2
    exit 1
fi
readelf -S "$library" | grep -q '\.debug_info' ||
    { echo "FAILED: $library has no debug information, so its ABI cannot be read" >&2; exit 1; }

xz -dc "$baseline" >"$artefacts/baseline.abi"

declared=$(sed -n 's/^class \([A-Za-z_][A-Za-z_0-9]*\);$/\1/p' "${headers[@]}" | sort -u)
opaque=()
for name in $declared; do
    grep -qE "^(class|struct) ([A-Z_]+ )?$name( |$)" "${headers[@]}" || opaque+=("$name")
done
if ((${#opaque[@]} > 0)); then
    (IFS='|'; printf '[suppress_type]\n  type_kind = class\n  name_regexp = ^qv::(%s)$\n' "${opaque[*]}") \
        >"$artefacts/opaque-classes.suppr"
else
    : >"$artefacts/opaque-classes.suppr"
fi
status=0
abidiff --suppressions "$artefacts/opaque-classes.suppr" "$artefacts/baseline.abi" "$library" >"$artefacts/abidiff.txt" 2>&1 || status=$?
if ((status == 0)); then
    echo "$library keeps the ABI recorded for $soname"
    exit 0
fi
cat "$artefacts/abidiff.txt" >&2
if ((status & 8)); then
    echo "FAILED: $library breaks the ABI of $soname (above): restore what was removed or changed, or give" \
        "the library a new SONAME" >&2
elif ((status & 4)); then
    echo "FAILED: $library differs from the ABI recorded for $soname (above). If only symbols were added," \
        "give them a new version node in runtime/quorvane-runtime.map and record the baseline with" \
        "tools/update_abi_baseline.sh; anything else breaks programs built against $soname" >&2
else
    echo "FAILED: abidiff could not compare $library with $baseline (status $status)" >&2
fi
exit 1
