#!/usr/bin/env bash
# A program built against the runtime's 1.0 headers runs with the library built now: the example program,
# built out of tree against a copy of the installed tree whose headers are those 1.0 shipped (kept as released,
# in an archive no one edits by mistake), runs against that tree's library and modules, the ones just built.
#
#   example_against_1_0_headers.sh EXAMPLE_SOURCE INSTALLED_PREFIX HEADERS_ARCHIVE ARTEFACT_DIR [CMAKE_ARGUMENT...]
set -euo pipefail
source_dir=$1
prefix=$2
archive=$3
artefacts=$4
shift 4
here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -a "$prefix" "$work/prefix"
rm -rf "$work/prefix/include/quorvane"
tar -xJf "$archive" -C "$work/prefix/include"
[[ -f $work/prefix/include/quorvane/version.h ]] || { echo "FAILED: $archive holds no quorvane/version.h" >&2; exit 1; }
grep -q 'QUORVANE_VERSION_STRING "1.0.0"' "$work/prefix/include/quorvane/version.h" ||
    { echo "FAILED: the headers in $archive are not those of 1.0.0" >&2; exit 1; }
"$here/../examples/hello_runtime.sh" "$source_dir" "$work/prefix" "$artefacts" "$@"
