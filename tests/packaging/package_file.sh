# Sourced by the package tests: `fail MESSAGE`; `package_file DIR`, which prints the one .deb that
# package.build left in DIR; `unpack_package DIR`.

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

package_file() {
    local debs=("$1"/*.deb)
    [[ -e ${debs[0]} ]] || fail "no .deb in $1: package.build has not run or did not make one"
    [[ ${#debs[@]} -eq 1 ]] || fail "more than one .deb in $1: ${debs[*]}"
    echo "${debs[0]}"
}

# Unpacks the one .deb of DIR into a new folder, removed on exit, and sets `deb` and `root` to them.
unpack_package() {
    deb=$(package_file "$1")
    root=$(mktemp -d)
    trap 'rm -rf "$root"' EXIT
    dpkg-deb -x "$deb" "$root"
}
