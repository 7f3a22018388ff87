#!/usr/bin/env bash
# A program built against the public headers of the first release of the runtime's SONAME (2.0 for
# libquorvane-runtime.so.2) runs with the library built now: the example program, built out of tree against a
# copy of the installed tree whose headers are those that release shipped, runs against that tree's library
# and modules, the ones just built. The headers are kept as released, in an archive no one edits by mistake;
# tools/record_release_headers.sh records it from a build of the release. While the library is still that
# release, the headers are the current ones and this is examples.hello_runtime again; from the next minor
# release on, it is what keeps a program built for the SONAME's first release running.
#
#   example_against_release_headers.sh EXAMPLE_SOURCE INSTALLED_PREFIX HEADERS_ARCHIVE RELEASE LIBDIR
#       CONTROLS_BESIDE_RUNTIME ARTEFACT_DIR [CMAKE_ARGUMENT...]
# RELEASE is the version the archived headers must carry (2.0.0); LIBDIR and CONTROLS_BESIDE_RUNTIME are those
# of tests/examples/hello_runtime.sh.
set -euo pipefail
source_dir=$1
prefix=$2
archive=$3
release=$4
libdir=$5
controls=$6
artefacts=$7
shift 7
here=$(cd "$(dirname "$0")" && pwd)

[[ -f $archive ]] || {
    echo "FAILED: no archive of the $release headers at $archive: record it with tools/record_release_headers.sh" >&2
    exit 1
}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -a "$prefix" "$work/prefix"
rm -rf "$work/prefix/include/quorvane"
tar -xJf "$archive" -C "$work/prefix/include"
[[ -f $work/prefix/include/quorvane/version.h ]] || { echo "FAILED: $archive holds no quorvane/version.h" >&2; exit 1; }
grep -qF "QUORVANE_VERSION_STRING \"$release\"" "$work/prefix/include/quorvane/version.h" ||
    { echo "FAILED: the headers in $archive are not those of $release" >&2; exit 1; }
"$here/../examples/hello_runtime.sh" "$source_dir" "$work/prefix" "$libdir" "$controls" "$artefacts" "$@"
