#!/usr/bin/env bash
# Each package carries exactly its part of an installation, and nothing else:
#   libquorvane-runtime2     the runtime library (its file and SONAME link) and, in the module folder beside
#                            it, one module for each library file the manifest lists, as
#                            `quorvane-check --list-libraries` prints it
#   quorvane                 the two programs and their manual pages, the desktop entry, the AppStream
#                            metadata, the icon in four sizes, the fleet playbook and the schema of
#                            quorvane-check's JSON output
#   libquorvane-runtime-dev  every public header, the unversioned link, the CMake package, the pkg-config file,
#                            the class reference (a page for each file of that list)
# and each its copyright file, Debian changelog and lintian overrides. No binary carries a library search
# path. The runtime package installs beside the runtime package of the previous SONAME as it was released:
# no path is a file in one and in the other (dpkg would refuse the second), and neither package puts
# anything in the folder where the other's runtime finds its modules (a runtime loads every module there).
#
#   contents.sh PACKAGE_DIR APP_ID QUORVANE_CHECK LIBDIR CONTROLS_BESIDE_RUNTIME LIBRARY_FILE SONAME_LINK DEV_LINK
#       HEADER_DIR PREVIOUS_RUNTIME_PATHS
# LIBDIR is the library folder under /usr (lib/x86_64-linux-gnu), CONTROLS_BESIDE_RUNTIME the module folder
# relative to it; LIBRARY_FILE, SONAME_LINK and DEV_LINK the runtime library's file name, the SONAME that links
# to it and the name programs link with; HEADER_DIR the source folder of the public headers;
# PREVIOUS_RUNTIME_PATHS the recorded paths of the previous runtime package, in a file named after its .deb
# (<package>_<version>_<architecture>.paths).
set -euo pipefail
export LC_ALL=C # one sort order for comm
packages=$1
app_id=$2
check=$3
libdir=usr/$4
controls=$libdir/$5
library_file=$6
soname_link=$7
dev_link=$8
header_dir=$9
previous_paths=${10}
source "$(dirname "$0")/package_file.sh"

# The lines of the first list (a name of an array) that the second lacks.
only_in() {
    local -n first=$1 second=$2
    comm -23 <(printf '%s\n' "${first[@]}" | sort -u) <(printf '%s\n' "${second[@]}" | sort -u)
}
failures=0
# Prints a heading and the names under it, when there are any.
report() {
    [[ -n $2 ]] || return 0
    echo "$1" >&2
    sed 's/^/    /' <<<"$2" >&2
    failures=1
}
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT

# Sets `files` to every file and link of PACKAGE, without the leading "/"; folders are left out.
files_of() {
    local deb
    deb=$(package_file "$packages" "$1")
    dpkg-deb -x "$deb" "$unpacked/$1" || fail "dpkg-deb could not unpack $deb"
    mapfile -t files < <(cd "$unpacked/$1" && find . \( -type f -o -type l \) | sed 's|^\./||' | sort)
}

# Compares the files of PACKAGE with the list named EXPECTED, both ways.
compare() {
    local package=$1
    local -n expected_files=$2
    report "files missing from $package:" "$(only_in expected_files files | sed 's|^|/|')"
    report "files $package must not carry:" "$(only_in files expected_files | sed 's|^|/|')"
}

# Checks that LINK, in the unpacked PACKAGE, is a symbolic link to TARGET.
link_to() {
    local package=$1 link=$2 target=$3 actual
    actual=$(readlink "$unpacked/$package/$link" || true)
    [[ $actual == "$target" ]] ||
        report "in $package, /$link must link to $target:" "${actual:-(not a link)}"
}

# Debian's documents of every package, and what lintian is told of it.
documents() {
    echo "usr/share/doc/$1/copyright"
    echo "usr/share/doc/$1/changelog.Debian.gz"
    echo "usr/share/lintian/overrides/$1"
}

# The runtime package. The modules the manifest enumerates: the second column of each line of the list,
# where a library has a module file.
[[ -x $check ]] || fail "$check was not built"
listing=$("$check" --list-libraries) || fail "'$check --list-libraries' ended with status $?"
expected_modules=()
reference_pages=() # the class reference: a page for each file of the list, the forms runtime's included
while IFS= read -r line; do
    [[ -n $line ]] || continue
    [[ $line == *$'\t'* ]] || fail "'quorvane-check --list-libraries' printed a line without a TAB: '$line'"
    reference_pages+=("usr/share/doc/$development_package/reference/${line%%$'\t'*}.md")
    module=${line#*$'\t'}
    [[ $module == "(built in)" ]] || expected_modules+=("$module")
done <<<"$listing"
[[ ${#expected_modules[@]} -gt 0 ]] || fail "'quorvane-check --list-libraries' lists no module files:
$listing"

files_of "$runtime_package"
packaged_modules=()
others=()
for f in "${files[@]}"; do
    if [[ $f == "$controls"/*.so ]]; then packaged_modules+=("${f#"$controls"/}"); else others+=("$f"); fi
done
report "modules the manifest lists that are missing from /$controls:" \
    "$(only_in expected_modules packaged_modules)"
report "modules in /$controls that the manifest does not list:" \
    "$(only_in packaged_modules expected_modules)"
runtime_files=(
    "$libdir/$library_file"
    "$libdir/$soname_link"
    $(documents "$runtime_package")
)
files=("${others[@]}")
compare "$runtime_package" runtime_files
link_to "$runtime_package" "$libdir/$soname_link" "$library_file"
runtime_count=$((${#others[@]} + ${#packaged_modules[@]}))

# Beside the previous SONAME's runtime package. Its paths were recorded on the architecture its file is named
# after; here they are read in this build's library folder. Folders end in "/", as `dpkg-deb -c` lists them.
previous_name=$(basename "$previous_paths" .paths)
IFS=_ read -r previous_package previous_version previous_arch <<<"$previous_name"
[[ -f $previous_paths && -n $previous_arch ]] ||
    fail "no recorded paths of a previous runtime package at $previous_paths"
previous_libdir=usr/lib/$(dpkg-architecture -a "$previous_arch" -qDEB_HOST_MULTIARCH 2>/dev/null)
mapfile -t theirs < <(grep -v -e '^#' -e '^$' "$previous_paths" | sed "s|^$previous_libdir/|$libdir/|" | sort -u)
mapfile -t ours < <(cd "$unpacked/$runtime_package" &&
    find . -mindepth 1 \( -type d -printf '%P/\n' -o -printf '%P\n' \) | sort -u)
# The folders where each runtime finds its modules: those under the library folder that hold .so files.
module_folders() { { grep -E "^$libdir/.+/[^/]+\.so$" || true; } | xargs -r -n 1 dirname | sort -u; }
their_controls=$(printf '%s\n' "${theirs[@]}" | module_folders)
[[ -n $their_controls ]] || fail "$previous_paths records no module folder under /$libdir"
shared=$(comm -12 <(printf '%s\n' "${ours[@]%/}" | sort -u) <(printf '%s\n' "${theirs[@]%/}" | sort -u))
shared_folders=$(comm -12 <(printf '%s\n' "${ours[@]}" | sed -n 's|/$||p' | sort -u) \
    <(printf '%s\n' "${theirs[@]}" | sed -n 's|/$||p' | sort -u))
report "paths of $runtime_package that are files of $previous_package $previous_version too (dpkg installs one or the other):" \
    "$(comm -23 <(printf '%s\n' "$shared") <(printf '%s\n' "$shared_folders") | sed 's|^|/|')"
report "$previous_package $previous_version has paths in /$controls, where the runtime of $runtime_package finds its modules:" \
    "$(printf '%s\n' "${theirs[@]}" | grep -E "^$controls(/|$)" | sed 's|^|/|')"
for folder in $their_controls; do
    report "$runtime_package has paths in /$folder, where the runtime of $previous_package finds its modules:" \
        "$(printf '%s\n' "${ours[@]}" | grep -E "^$folder(/|$)" | sed 's|^|/|')"
done

files_of "$program_package"
program_files=(
    usr/bin/Quorvane
    usr/bin/quorvane-check
    usr/share/man/man1/Quorvane.1.gz
    usr/share/man/man1/quorvane-check.1.gz
    "usr/share/applications/$app_id.desktop"
    "usr/share/metainfo/$app_id.metainfo.xml"
    "usr/share/icons/hicolor/16x16/apps/$app_id.png"
    "usr/share/icons/hicolor/32x32/apps/$app_id.png"
    "usr/share/icons/hicolor/48x48/apps/$app_id.png"
    "usr/share/icons/hicolor/scalable/apps/$app_id.svg"
    usr/share/quorvane/fleet/check-quorvane.yml # quorvane-check on every host of a fleet, for administrators
    "$check_schema" # what quorvane-check --json prints, for scripts that read it
    $(documents "$program_package")
)
compare "$program_package" program_files
program_count=${#files[@]}

# The development package. Its imported targets' per-configuration file is named after the build type.
files_of "$development_package"
development_files=(
    "$libdir/$dev_link"
    "$libdir/pkgconfig/quorvane-runtime.pc"
    "$libdir/cmake/Quorvane/QuorvaneConfig.cmake"
    "$libdir/cmake/Quorvane/QuorvaneConfigVersion.cmake"
    "$libdir/cmake/Quorvane/QuorvaneTargets.cmake"
    usr/include/quorvane/version.h # made from version.h.in when configured
    usr/include/quorvane/controls.h # the typed classes, written by the build from the type information
    "${reference_pages[@]}"
    $(documents "$development_package")
)
while IFS= read -r header; do
    development_files+=("usr/include/quorvane/$header")
done < <(cd "$header_dir" && find . -name '*.h' | sed 's|^\./||')
for f in "${files[@]}"; do
    [[ $f != "$libdir"/cmake/Quorvane/QuorvaneTargets-*.cmake ]] || development_files+=("$f")
done
compare "$development_package" development_files
link_to "$development_package" "$libdir/$dev_link" "$soname_link"
[[ $(find "$unpacked/$development_package/$libdir/cmake" -name 'QuorvaneTargets-*.cmake' | wc -l) -eq 1 ]] ||
    report "$development_package must carry one QuorvaneTargets-<configuration>.cmake, it has:" \
        "$(cd "$unpacked/$development_package" && find . -name 'QuorvaneTargets*.cmake')"

# The programs find the runtime, and the runtime its dependencies, where the system looks: no binary of a
# package carries a search path of its own.
for package in "${all_packages[@]}"; do
    while IFS= read -r -d '' binary; do
        head -c 4 "$binary" | grep -q $'^\x7fELF' || continue
        search_path=$(readelf -d "$binary" | grep -E '\((RPATH|RUNPATH)\)' || true)
        report "/${binary#"$unpacked/$package/"} of $package carries a library search path:" "$search_path"
    done < <(find "$unpacked/$package" -type f -print0)
done

[[ $failures -eq 0 ]] || fail "the packages' contents differ from an installation's (above)"
echo "$runtime_package: $runtime_count files, ${#packaged_modules[@]} modules in /$controls, as the manifest lists"
echo "$runtime_package beside $previous_package $previous_version (${#theirs[@]} paths): no file of both; modules in /$controls and /${their_controls//$'\n'/, /}, each holding nothing of the other"
echo "$program_package: $program_count files"
echo "$development_package: ${#files[@]} files"
