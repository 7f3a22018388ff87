#!/usr/bin/env bash
# Records the public headers of a release as abi/quorvane-<major>.<minor>-headers.tar.xz: every header of
# include/quorvane as it stands, and those a build of this tree generated (version.h, controls.h). The suite builds
# the example program against them and runs it with the library built now
# (tests/abi/example_against_release_headers.sh), so that a program built for the first release of a SONAME
# keeps running with every later one. Run it for the first release of a new SONAME (x.0), from that release's
# tree; never to follow a later change of the headers.
#
# The archive is the same for the same headers in any checkout: names sorted, no owner, no time.
#   tools/record_release_headers.sh build/test
set -euo pipefail
build=${1:?usage: record_release_headers.sh BUILD_DIR}
root=$(cd "$(dirname "$0")/.." && pwd)
version_header=$build/include/quorvane/version.h
[[ -f $version_header ]] || { echo "no $version_header: configure the tree into $build first" >&2; exit 1; }
major=$(sed -n 's/^#define QUORVANE_VERSION_MAJOR \([0-9]*\)$/\1/p' "$version_header")
minor=$(sed -n 's/^#define QUORVANE_VERSION_MINOR \([0-9]*\)$/\1/p' "$version_header")
[[ -n $major && -n $minor ]] || { echo "$version_header names no major and minor version" >&2; exit 1; }
archive=abi/quorvane-$major.$minor-headers.tar.xz

staging=$(mktemp -d)
trap 'rm -rf "$staging"' EXIT
mkdir "$staging/quorvane"
cp "$root"/include/quorvane/*.h "$build"/include/quorvane/*.h "$staging/quorvane/"
tar -C "$staging" --sort=name --owner=0 --group=0 --numeric-owner --mtime=@0 --mode='u=rwX,go=rX' -c quorvane |
    xz -9 >"$root/$archive"
echo "recorded the headers of $major.$minor ($(ls "$staging/quorvane" | wc -l) files) as $archive"
