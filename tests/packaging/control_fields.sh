#!/usr/bin/env bash
# What apt and dpkg read of each package: its version, section and dependencies, the runtime package's
# shlibs file (which gives every program linking the runtime its dependency) and ldconfig trigger, and a
# checksum of every file. apt installs the runtime package beside the runtime package of the previous SONAME as
# it was released: their names differ, neither provides the other's name, and no package here conflicts with,
# breaks or replaces it (nor it any of them).
#
#   control_fields.sh PACKAGE_DIR VERSION DEBIAN_VERSION SONAME_VERSION PREVIOUS_RUNTIME_CONTROL
# VERSION is the project's (2.0.0), DEBIAN_VERSION the packages' (2.0.0-1), SONAME_VERSION the runtime
# library's (2); PREVIOUS_RUNTIME_CONTROL the recorded control fields of the previous runtime package.
set -euo pipefail
packages=$1
version=$2
debian_version=$3
soname_version=$4
previous_control=$5
source "$(dirname "$0")/package_file.sh"

failures=0
problem() {
    echo "$*" >&2
    failures=1
}
field() { dpkg-deb --field "$(package_file "$packages" "$1")" "$2"; }

# package, field, value
fields=(
    "$runtime_package" Section libs
    "$program_package" Section utils
    "$development_package" Section libdevel
)
for package in "${all_packages[@]}"; do
    fields+=("$package" Version "$debian_version" "$package" Architecture "$(dpkg --print-architecture)")
done
for ((i = 0; i < ${#fields[@]}; i += 3)); do
    package=${fields[i]} name=${fields[i + 1]} expected=${fields[i + 2]}
    actual=$(field "$package" "$name")
    [[ $actual == "$expected" ]] || problem "$package: $name is '$actual', not '$expected'"
done

# package, a dependency: a name alone matches the name with any version; with a version, that exact entry.
# The runtime's come from what it links (dpkg-shlibdeps), but for the face the windows are drawn with;
# Qt Charts is linked by the chart module alone, so the modules were read too.
dependencies=(
    "$runtime_package" libc6
    "$runtime_package" libqt6widgets6
    "$runtime_package" libqt6charts6
    "$runtime_package" libgsf-1-114
    "$runtime_package" libelf1
    "$runtime_package" fonts-liberation
    "$program_package" "$runtime_package (= $debian_version)"
    "$program_package" libqt6widgets6
    "$development_package" "$runtime_package (= $debian_version)"
    "$development_package" qt6-base-dev
)
for ((i = 0; i < ${#dependencies[@]}; i += 2)); do
    package=${dependencies[i]} wanted=${dependencies[i + 1]}
    mapfile -t depends < <(field "$package" Depends | sed 's/, */\n/g')
    found=0
    for entry in "${depends[@]}"; do
        if [[ $wanted == *"("* ]]; then
            [[ $entry == "$wanted" ]] && found=1
        else
            [[ ${entry%% *} == "$wanted" ]] && found=1
        fi
    done
    [[ $found -eq 1 ]] || problem "$package does not depend on $wanted; it depends on: $(field "$package" Depends)"
done
# Plugins Qt loads where they are installed, which no scan of the binaries finds: the Wayland platform, and the
# SVG plugins the window icon's scalable picture is drawn with.
recommends=$(field "$program_package" Recommends)
for wanted in qt6-wayland libqt6svg6; do
    [[ ", $recommends," == *", $wanted"[,\ ]* ]] ||
        problem "$program_package does not recommend $wanted; it recommends: $recommends"
done
# The program's dependency on the runtime package is exact, never satisfied by another build's runtime.
for package in "$program_package" "$development_package"; do
    entries=$(field "$package" Depends | sed 's/, */\n/g' | grep -c "^$runtime_package\b" || true)
    [[ $entries -eq 1 ]] || problem "$package names $runtime_package $entries times: $(field "$package" Depends)"
done

# Beside the previous SONAME's runtime package. A relation field's package names, one a line: alternatives and
# versions dropped.
names_in() { sed 's/[,|]/\n/g' | sed -n 's/^ *\([a-z0-9][a-z0-9+.-]*\).*/\1/p'; }
recorded() { sed -n "s/^$1: //p" "$previous_control"; }
[[ -f $previous_control ]] || problem "no recorded control fields of a previous runtime package at $previous_control"
previous_package=$(recorded Package)
previous_version=$(recorded Version)
[[ -n $previous_package && -n $previous_version ]] ||
    problem "$previous_control records no Package and Version: $(cat "$previous_control" 2>&1)"
[[ $(field "$runtime_package" Package) == "$runtime_package" ]] ||
    problem "the runtime package calls itself '$(field "$runtime_package" Package)', not $runtime_package"
# The names each side answers to: its own and those it provides.
mapfile -t previous_names < <({ echo "$previous_package"; recorded Provides | names_in; } | sort -u)
mapfile -t runtime_names < <({ echo "$runtime_package"; field "$runtime_package" Provides | names_in; } | sort -u)
answers_to() { # NAME LIST...: whether NAME is one of the list
    local name=$1 one
    shift
    for one in "$@"; do [[ $one == "$name" ]] && return 0; done
    return 1
}
for name in "${runtime_names[@]}"; do
    ! answers_to "$name" "${previous_names[@]}" ||
        problem "$runtime_package and $previous_package $previous_version both answer to $name (as a name or provided)"
done
for relation in Conflicts Breaks Replaces; do
    for package in "${all_packages[@]}"; do
        for name in $(field "$package" "$relation" | names_in); do
            ! answers_to "$name" "${previous_names[@]}" ||
                problem "$package $relation $name: it cannot be installed beside $previous_package $previous_version"
        done
    done
    for name in $(recorded "$relation" | names_in); do
        ! answers_to "$name" "${runtime_names[@]}" ||
            problem "$previous_package $previous_version $relation $name: $runtime_package cannot be installed beside it"
    done
done

control=$(mktemp -d)
trap 'rm -rf "$control"' EXIT
for package in "${all_packages[@]}"; do
    deb=$(package_file "$packages" "$package")
    mkdir "$control/$package" "$control/$package/files"
    dpkg-deb -e "$deb" "$control/$package/DEBIAN"
    dpkg-deb -x "$deb" "$control/$package/files"
    # Every file is listed with its checksum, and each checksum holds.
    sums=$control/$package/DEBIAN/md5sums
    if [[ ! -f $sums ]]; then
        problem "$package has no md5sums"
        continue
    fi
    listed=$(wc -l <"$sums")
    files=$(find "$control/$package/files" -type f | wc -l)
    [[ $listed -eq $files ]] || problem "$package: md5sums lists $listed files, the package holds $files"
    (cd "$control/$package/files" && md5sum --quiet -c "$sums" >&2) || problem "$package: a checksum does not hold"
done

members() { (cd "$control/$1/DEBIAN" && ls | sort | tr '\n' ' '); }
expected_shlibs="libquorvane-runtime $soname_version $runtime_package (>= $version)"
shlibs=$control/$runtime_package/DEBIAN/shlibs
if [[ ! -f $shlibs ]]; then
    problem "$runtime_package has no shlibs file; its control files: $(members "$runtime_package")"
elif [[ $(cat "$shlibs") != "$expected_shlibs" ]]; then
    problem "$runtime_package's shlibs file is '$(cat "$shlibs")', not '$expected_shlibs'"
fi
triggers=$control/$runtime_package/DEBIAN/triggers
grep -qx 'activate-noawait ldconfig' "$triggers" 2>/dev/null ||
    problem "$runtime_package does not activate the ldconfig trigger; its control files: $(members "$runtime_package")"
for package in "$program_package" "$development_package"; do
    [[ ! -e $control/$package/DEBIAN/shlibs && ! -e $control/$package/DEBIAN/triggers ]] ||
        problem "$package holds no library, yet has the control files $(members "$package")"
done

[[ $failures -eq 0 ]] || fail "the packages' control data is not as apt and dpkg need it (above)"
for package in "${all_packages[@]}"; do
    echo "$package $(field "$package" Version): Depends: $(field "$package" Depends)"
done
echo "$runtime_package: shlibs '$expected_shlibs', ldconfig trigger"
echo "$runtime_package (${runtime_names[*]}) beside $previous_package $previous_version (${previous_names[*]}): no name of both, no conflict, break or replacement either way"
