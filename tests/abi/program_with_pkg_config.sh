#!/usr/bin/env bash
# A program built with pkg-config alone, as a Makefile would build it: its own Q_OBJECT class (moc run by
# hand) and a call into the runtime, compiled and linked with `pkg-config --cflags --libs quorvane-runtime`
# against a `cmake --install` tree, then run. Qt asks position-independent code of every program that uses its
# meta-objects.
#
#   program_with_pkg_config.sh CXX MOC INSTALLED_PREFIX LIBDIR PROGRAM_SOURCE_DIR ARTEFACT_DIR [FLAG...]
# The flags are the build's own that a program of an instrumented runtime needs too (the sanitizers).
set -euo pipefail
cxx=$1
moc=$2
prefix=$3
libdir=$4
source_dir=$5
out=$6
shift 6
rm -rf "$out"
mkdir -p "$out"

export PKG_CONFIG_PATH=$prefix/$libdir/pkgconfig
flags=$(pkg-config --cflags --libs quorvane-runtime) ||
    { echo "FAILED: pkg-config does not find quorvane-runtime in $PKG_CONFIG_PATH" >&2; exit 1; }
echo "pkg-config --cflags --libs quorvane-runtime: $flags"
# Qt's own header asks for -fPIC, not -fPIE (qglobal.h), as Qt's CMake targets give it; GCC's default PIE only
# passes that header's check.
[[ " $flags " == *" -fPIC "* ]] ||
    { echo "FAILED: pkg-config's flags for quorvane-runtime lack the -fPIC that Qt asks of programs: $flags" >&2; exit 1; }

"$moc" "$source_dir/main.cpp" -o "$out/main.moc"
# shellcheck disable=SC2086 # the flags are words, as a Makefile passes them
"$cxx" -std=c++20 "$@" -I"$out" "$source_dir/main.cpp" -o "$out/program" $flags ||
    { echo "FAILED: the program does not build with pkg-config's flags alone" >&2; exit 1; }
status=0
LD_LIBRARY_PATH=$prefix/$libdir "$out/program" || status=$?
if ((status != 0)); then
    echo "FAILED: the program built with pkg-config's flags ended with status $status (flags: $flags)" >&2
    exit 1
fi
