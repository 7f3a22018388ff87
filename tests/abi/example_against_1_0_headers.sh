#!/usr/bin/env bash
# A program built against the runtime's 1.0 headers runs with the library built now: the example program,
# built out of tree against a copy of the installed tree whose headers are those 1.0 shipped (abi/1.0), runs
# against that tree's library and modules, the ones just built.
#
#   example_against_1_0_headers.sh EXAMPLE_SOURCE INSTALLED_PREFIX HEADERS_1_0 ARTEFACT_DIR [CMAKE_ARGUMENT...]
set -euo pipefail
source_dir=$1
prefix=$2
headers=$3
artefacts=$4
shift 4
here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -a "$prefix" "$work/prefix"
rm -rf "$work/prefix/include/quorvane"
cp -a "$headers/quorvane" "$work/prefix/include/quorvane"
"$here/../examples/hello_runtime.sh" "$source_dir" "$work/prefix" "$artefacts" "$@"
