#!/usr/bin/env bash
# The installed program as a screen reader reads it: on Xvfb, with a D-Bus session and the accessibility bus
# (at-spi2-core) switched on the way a screen reader switches it on, screen_reader.py walks both windows over
# AT-SPI, checks every control's name and role, waits for the farewell announced after the close box and the
# success after "Close Form" and reads the text box back; then, from a copy of the installed tree without the
# module of MSCOMCT2.OCX, it reads the failure report. Screenshots go to the artefact folder.
#
#   screen_reader.sh PROGRAM CONTROLS_DIR ARTEFACT_DIR
# CONTROLS_DIR is the module folder relative to the installed prefix (lib/x86_64-linux-gnu/quorvane-2/controls).
set -euo pipefail

program=$(realpath "$1")
controls=$2
artefacts=$3
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$artefacts"

test_name=screen_reader
source "$here/../e2e/x_session.sh"
under_xvfb "$0" "$@"
if [[ -z "${QUORVANE_UNDER_DBUS:-}" ]]; then
    export QUORVANE_UNDER_DBUS=1
    exec dbus-run-session -- "$0" "$@"
fi
export XDG_RUNTIME_DIR=$(mktemp -d)
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT

# What Orca does when it starts: the accessibility bus comes up (activated by D-Bus) and every toolkit that
# asks is told a screen reader is listening.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
    string:org.a11y.Status string:ScreenReaderEnabled variant:boolean:true >/dev/null ||
    fail "could not switch the accessibility bus on"

# Debian's Python, which has the AT-SPI bindings (python3-pyatspi, gir1.2-atspi-2.0).
read_aloud() { timeout 120 /usr/bin/python3 "$here/screen_reader.py" "$@"; }

# From the root folder: the drive list box shows, and is named by, the drive of the current folder.
(cd / && QT_QPA_PLATFORM=xcb exec "$program") &
pid=$!
main=$(visible_window "$main_title") || fail "the main window never showed"
read_aloud round-trip || { kill $pid; fail "the round trip does not read as it should"; }
shot "$main" main-after-close-form
click_exit "$main"
wait_for_exit $pid || { kill $pid; fail "Exit did not end the program"; }

tree=$(mktemp -d)
trap 'rm -rf "$XDG_RUNTIME_DIR" "$tree"' EXIT
prefix=$(dirname "$(dirname "$program")")
cp -a "$prefix/." "$tree/"
rm "$tree/$controls/mscomct2.so" || fail "the installed tree has no $controls/mscomct2.so"
QT_QPA_PLATFORM=xcb "$tree/${program#"$prefix"/}" 2>/dev/null &
pid=$!
main=$(visible_window "$main_title") || fail "the main window never showed (broken installation)"
click_test "$main"
box=$(visible_window "$report_title") || fail "no report without the module of MSCOMCT2.OCX"
read_aloud report "Run-time error '429'" "FlatScrollBar1: MSComCtl2.FlatScrollBar could not be created." \
    "Library file: MSCOMCT2.OCX" "mscomct2.so is missing" || { kill $pid; fail "the report does not read as it should"; }
shot "$box" report
timeout 10 xdotool windowfocus --sync "$box" key Return
wait_for_exit $pid || { kill $pid; fail "the program did not end after the report"; }
echo "screen_reader: both windows and the report read as they should; screenshots in $artefacts"
