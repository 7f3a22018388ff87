#!/usr/bin/env bash
# The three Debian packages installed on this machine with apt, as a user installs them: their dependencies
# resolved from Debian, quorvane-check found on the PATH and passing with the runtime library and modules
# of the system's library folder, dpkg-shlibdeps giving a program that links the installed runtime its
# dependency on the runtime package, the example program built with the development package and run alone,
# and Quorvane started by its menu entry's Exec line on a real X server
# (Xvfb), through "Test" and "Close Form" to "Exit". The packages are purged again at the end. Needs root (or
# sudo): CI runs it after the suite; it is not part of ctest, which must not change the machine.
#
#   install_and_run_from_menu.sh PACKAGE_DIR ARTEFACT_DIR
set -euo pipefail
# Absolute paths: the programs below run from other folders.
packages=$(cd "$1" && pwd)
mkdir -p "$2"
artefacts=$(cd "$2" && pwd)
here=$(cd "$(dirname "$0")" && pwd)

test_name=install_and_run_from_menu
source "$here/package_file.sh"
source "$here/../e2e/x_session.sh" # its fail also keeps a picture of the screen
under_xvfb "$0" "$@"

debs=()
for package in "${all_packages[@]}"; do
    debs+=("$(package_file "$packages" "$package")")
done
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
apt_get() { "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -y -q "$@"; }
# Only these packages are removed afterwards, purged so that dpkg keeps no trace of them (the runtime
# package's postrm would hold it in the "config files" state); what apt pulled in for them stays (Debian's
# own packages).
apt_get install "${debs[@]}" >"$artefacts/apt-install.log" 2>&1 ||
    fail "apt could not install ${debs[*]} (log: $artefacts/apt-install.log)"
scratch=$(mktemp -d)
trap 'apt_get purge "${all_packages[@]}" >"$artefacts/apt-remove.log" 2>&1 || true; rm -rf "$scratch"' EXIT

libdir=/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)
# The runtime package's module folder: the one folder below the library folder where it put .so files.
controls=$(dpkg -L "$runtime_package" | { grep -E "^$libdir/.+/[^/]+\.so$" || true; } | xargs -r -n 1 dirname | sort -u)
[[ -n $controls && $controls != *$'\n'* ]] ||
    fail "$runtime_package does not hold its modules in one folder below $libdir: ${controls:-(none)}"
check=$(command -v quorvane-check) || fail "quorvane-check is not on the PATH after installing"
[[ $check == /usr/bin/quorvane-check ]] || fail "quorvane-check is $check, not the package's /usr/bin/quorvane-check"
(cd / && quorvane-check >"$artefacts/quorvane-check.txt") ||
    fail "the installed quorvane-check failed: $(tail -n 3 "$artefacts/quorvane-check.txt")"
grep -q "Modules in $controls against the manifest: all 20 present" "$artefacts/quorvane-check.txt" ||
    fail "the installed quorvane-check did not use $controls: $(head -n 4 "$artefacts/quorvane-check.txt")"
(cd / && quorvane-check --json >"$artefacts/quorvane-check.json") ||
    fail "the installed quorvane-check --json failed"
"$check_json" --schema "/$check_schema" report "$artefacts/quorvane-check.json" ||
    fail "the installed quorvane-check's report does not hold to the installed /$check_schema (above)"
# Prints the value of a text member of the JSON report, e.g. `member runtime path`.
member() {
    python3 -c '
import json, sys
value = json.load(open(sys.argv[1]))
for key in sys.argv[2:]:
    value = value[key]
print(value)' "$artefacts/quorvane-check.json" "$@"
}
runtime=$(member runtime path)
[[ $(dirname "$runtime") == "$libdir" ]] ||
    fail "the installed quorvane-check ran with the runtime library $runtime, not one in $libdir"
[[ $(dpkg -S "$runtime" 2>/dev/null) == "$runtime_package: "* ]] ||
    fail "the runtime library $runtime does not belong to $runtime_package: $(dpkg -S "$runtime" 2>&1)"
[[ $(member runtime version) == "$(dpkg-query -W -f='${Version}' "$runtime_package" | cut -d- -f1)" ]] ||
    fail "the runtime library says it is version $(member runtime version); $runtime_package is $(dpkg-query -W -f='${Version}' "$runtime_package")"
[[ $(member moduleDirectory) == "$controls" ]] ||
    fail "the installed runtime loaded its modules from $(member moduleDirectory), not $controls"
# The name programs that link the runtime ask the dynamic loader for.
soname=$(readelf -d "$runtime" | sed -n 's/.*Library soname: \[\(.*\)\]/\1/p')
[[ -n $soname ]] || fail "the runtime library $runtime has no SONAME"

# A package of any program that links the runtime depends on the runtime package: dpkg-shlibdeps reads the
# installed runtime package's shlibs file. It runs where a source package's debian/control is.
mkdir -p "$scratch/source/debian"
touch "$scratch/source/debian/control"
shlibdeps=$(cd "$scratch/source" && dpkg-shlibdeps -O /usr/bin/quorvane-check 2>"$artefacts/dpkg-shlibdeps.log") ||
    fail "dpkg-shlibdeps failed on /usr/bin/quorvane-check: $(cat "$artefacts/dpkg-shlibdeps.log")"
[[ $shlibdeps == *"$runtime_package (>= "* ]] ||
    fail "dpkg-shlibdeps gave /usr/bin/quorvane-check no dependency on $runtime_package: $shlibdeps"

# A program built against the installed development package, as its README says, twice: with the CMake
# package and with pkg-config. Each executable, alone in a folder, runs with the system's runtime library.
example=$(cd "$here/../../examples/hello_runtime" && pwd)
cmake -S "$example" -B "$scratch/with-cmake" -G Ninja >"$artefacts/example-cmake.log" 2>&1 &&
    cmake --build "$scratch/with-cmake" >>"$artefacts/example-cmake.log" 2>&1 ||
    fail "the example did not build with the installed CMake package: $(tail -n 5 "$artefacts/example-cmake.log")"
mkdir "$scratch/with-pkg-config"
# shellcheck disable=SC2046 # pkg-config's flags are words
g++ -std=c++20 -Wall -Wextra -Wpedantic -Werror "$example"/*.cpp $(pkg-config --cflags --libs quorvane-runtime) \
    -o "$scratch/with-pkg-config/hello-runtime" >"$artefacts/example-pkg-config.log" 2>&1 ||
    fail "the example did not build with pkg-config: $(tail -n 5 "$artefacts/example-pkg-config.log")"
for build in with-cmake with-pkg-config; do
    mkdir "$scratch/alone-$build"
    cp "$scratch/$build/hello-runtime" "$scratch/alone-$build/"
    linked=$(ldd "$scratch/alone-$build/hello-runtime" | awk -v soname="$soname" '$1 == soname { print $3 }')
    # Compared as real paths: with Debian's merged /usr, the loader may name /lib for /usr/lib.
    [[ -n $linked && $(readlink -f "$linked") == $(readlink -f "$libdir/$soname") ]] ||
        fail "the example built $build links the runtime library ${linked:-(not found)}, not the system's"
    (cd "$scratch/alone-$build" && exec ./hello-runtime 2>"$artefacts/example-$build.stderr") &
    pid=$!
    hello=$(visible_window '^Hello Runtime$') ||
        fail "the example built $build never showed its window: $(cat "$artefacts/example-$build.stderr")"
    sleep 0.3
    shot "$hello" "example-$build"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    gone '^Hello Runtime$' || fail "the example built $build did not go away"
done

entry=$(find /usr/share/applications -name '*.desktop' -exec grep -l '^Exec=Quorvane' {} + | head -n 1)
[[ -n $entry ]] || fail "no menu entry starts Quorvane"
exec_line=$(sed -n 's/^Exec=//p' "$entry")
# As a menu starts it: the Exec line, from the home folder, found on the PATH.
(cd ~ && exec $exec_line) &
pid=$!
main=$(visible_window "$main_title") || fail "the main window never showed from the menu entry ($exec_line)"
sleep 0.3
shot "$main" main-from-menu
click_test "$main"
showcase=$(visible_window "$showcase_title") || fail "the showcase window never showed"
sleep 0.3
shot "$showcase" showcase-from-menu
click_close_form "$showcase"
main=$(visible_window "$main_title") || fail "the main window did not come back after Close Form"
click_exit "$main"
wait_for_exit "$pid" || fail "Quorvane did not end after Exit"
[[ $exit_status -eq 0 ]] || fail "Quorvane ended with status $exit_status after Exit"
echo "$test_name: ${all_packages[*]} installed with apt, quorvane-check passed with $runtime ($soname) and the modules in $controls, dpkg-shlibdeps names $runtime_package, the example built and ran against them, the menu entry's program ran the round trip"
