#!/usr/bin/env bash
# Installs the Debian 12 packages Quorvane needs: `run` to build and start it, `package` to make its Debian
# packages, `test` for the test suite too.
# Packages already present are not fetched again.
set -euo pipefail

run_packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev qt6-charts-dev libgsf-1-dev libelf-dev
    fonts-liberation # stands in for the classic dialog face the stored layouts were drawn for
    qt6-wayland      # the program on a Wayland session
    libqt6svg6       # Qt's SVG plugins: the window icon's scalable picture, sharp on a scaled display
)
test_packages=(
    googletest libgtest-dev libgmock-dev
    xvfb xauth xdotool xclip imagemagick python3-xlib # the real-display tests
    x11-xserver-utils x11-utils                        # their desktop resolution (xrdb), the window icon (xprop)
    weston                                             # the round trips on a Wayland compositor
    dbus-daemon dbus-bin at-spi2-core python3-pyatspi  # the windows as a screen reader reads them
    clang-14 libclang-rt-14-dev llvm-14                # the instrumented build, its fuzz targets and symbolizer
    valgrind
    libbenchmark-dev qt6-tools-dev hyperfine           # the benchmarks and their QUiLoader anchor
    ansible-core                                       # the fleet playbook, run against this machine
    dpkg-dev file desktop-file-utils appstream lintian # the Debian packages: cpack's scans, their validators
    python3 python3-jsonschema                         # quorvane-check's JSON output against its schema
    python3-yaml python3-jinja2                        # what the fleet playbook reads of it
    abigail-tools xz-utils                             # the runtime library's ABI against its recorded baseline
)

packages=("${run_packages[@]}")
case "${1:-run}" in
run) ;;
package) packages+=(dpkg-dev file) ;; # cpack finds the packages' binaries with file, their dependencies with dpkg-shlibdeps
test) packages+=("${test_packages[@]}") ;;
*)
    echo "usage: $0 [run|package|test]" >&2
    exit 2
    ;;
esac

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
