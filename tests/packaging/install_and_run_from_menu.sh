#!/usr/bin/env bash
# The Debian package installed on this machine with apt, as a user installs it: its dependencies resolved
# from Debian, quorvane-check found on the PATH and passing, and Quorvane started by its menu entry's Exec
# line on a real X server (Xvfb), through "Test" and "Close Form" to "Exit". The package is removed again
# at the end. Needs root (or sudo): CI runs it after the suite; it is not part of ctest, which must not change
# the machine.
#
#   install_and_run_from_menu.sh PACKAGE_DIR ARTEFACT_DIR
set -euo pipefail
# Absolute paths: the programs below run from other folders.
packages=$(cd "$1" && pwd)
mkdir -p "$2"
artefacts=$(cd "$2" && pwd)
here=$(cd "$(dirname "$0")" && pwd)

test_name=install_and_run_from_menu
source "$here/../e2e/x_session.sh"
source "$here/package_file.sh"
under_xvfb "$0" "$@"

deb=$(package_file "$packages")
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
# Only this package is removed afterwards; what apt pulled in for it stays (Debian's own packages).
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$deb" >"$artefacts/apt-install.log" 2>&1 ||
    fail "apt could not install $deb (log: $artefacts/apt-install.log)"
trap '"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get remove -y -q quorvane >/dev/null 2>&1 || true' EXIT

check=$(command -v quorvane-check) || fail "quorvane-check is not on the PATH after installing"
[[ $check == /usr/bin/quorvane-check ]] || fail "quorvane-check is $check, not the package's /usr/bin/quorvane-check"
(cd / && quorvane-check >"$artefacts/quorvane-check.txt") ||
    fail "the installed quorvane-check failed: $(tail -n 3 "$artefacts/quorvane-check.txt")"
grep -q "Modules in /usr/lib/quorvane/controls against the manifest: all 20 present" "$artefacts/quorvane-check.txt" ||
    fail "the installed quorvane-check did not use /usr/lib/quorvane/controls"

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
echo "$test_name: installed with apt, quorvane-check passed, the menu entry's program ran the round trip"
