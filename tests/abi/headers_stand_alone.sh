#!/usr/bin/env bash
# Every public header builds on its own, as a program that includes it builds it: a translation unit that
# includes only that header (twice, so a missing include guard shows too), compiled with the installed
# headers of a `cmake --install` tree and Qt6Core's flags (pkg-config Qt6Core, and -fPIC, which Qt asks of
# every program), C++20 and the warnings given, as errors. A header that needs another included first, or
# that warns, fails. Qt's own folders are system folders, as CMake's Qt6::Core gives them: only our headers
# are judged.
#
#   headers_stand_alone.sh CXX INSTALLED_INCLUDE_DIR SOURCE_HEADERS_DIR GENERATED_HEADERS_DIR OUT_DIR [FLAG...]
set -euo pipefail
cxx=$1
installed=$2
source_headers=$3
generated_headers=$4
out=$5
shift 5
flags=(-std=c++20 -fPIC -Werror)
for f in "$@"; do
    [[ -n $f ]] && flags+=("$f")
done

qt=()
for f in $(pkg-config --cflags Qt6Core); do
    case $f in
    -I*) qt+=(-isystem "${f#-I}") ;;
    *) qt+=("$f") ;;
    esac
done

# The installed tree holds every public header, the generated one included.
missing=0
for h in "$source_headers"/*.h "$generated_headers"/*.h; do
    if [[ ! -f $installed/quorvane/$(basename "$h") ]]; then
        echo "FAILED: $(basename "$h") is a public header but 'cmake --install' did not install it into $installed/quorvane" >&2
        missing=$((missing + 1))
    fi
done

mkdir -p "$out"
failed=()
count=0
for header in "$installed"/quorvane/*.h; do
    name=$(basename "$header")
    count=$((count + 1))
    unit=$out/${name%.h}_alone.cpp
    printf '#include <quorvane/%s>\n#include <quorvane/%s>\n' "$name" "$name" >"$unit"
    if ! log=$("$cxx" "${flags[@]}" -I"$installed" "${qt[@]}" -c "$unit" -o "$out/${name%.h}_alone.o" 2>&1); then
        echo "FAILED: <quorvane/$name> does not build on its own:" >&2
        sed 's/^/    /' <<<"$log" >&2
        failed+=("$name")
    fi
done

echo "compiler: $cxx; flags: ${flags[*]}"
if ((missing > 0 || ${#failed[@]} > 0)); then
    ((${#failed[@]} == 0)) || echo "${#failed[@]} of $count public headers do not build alone: ${failed[*]}" >&2
    exit 1
fi
echo "all $count public headers in $installed/quorvane build on their own, without a warning"
