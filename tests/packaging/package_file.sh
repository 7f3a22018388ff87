# Sourced by the package tests: `fail MESSAGE`; `package_file DIR PACKAGE`, which prints the .deb of that
# package that package.build left in DIR; `unpack_packages DIR PACKAGE...`, which unpacks them into one tree,
# as installing them together lays them out.

# The three packages, as package.build makes them.
runtime_package=libquorvane-runtime2
program_package=quorvane
development_package=libquorvane-runtime-dev
all_packages=("$runtime_package" "$program_package" "$development_package")
# The schema of quorvane-check's JSON output, as the program package carries it (without the leading "/"),
# and the tests' validator, which checks a document against it.
check_schema=usr/share/quorvane/quorvane-check.schema.json
check_json=$(cd "$(dirname "${BASH_SOURCE[0]}")/../support" && pwd)/check_json.py

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

package_file() {
    local debs=("$1/$2"_*.deb)
    [[ -e ${debs[0]} ]] || fail "no $2 package in $1: package.build has not run or did not make it"
    [[ ${#debs[@]} -eq 1 ]] || fail "more than one $2 package in $1: ${debs[*]}"
    echo "${debs[0]}"
}

# Unpacks the packages of DIR that are named after it into a new folder, removed on exit, and sets `root` to
# it.
unpack_packages() {
    local dir=$1 package deb
    shift
    root=$(mktemp -d)
    trap 'rm -rf "$root"' EXIT
    for package in "$@"; do
        deb=$(package_file "$dir" "$package")
        dpkg-deb -x "$deb" "$root" || fail "dpkg-deb could not unpack $deb"
    done
}
