#!/usr/bin/env bash
# The installed program on a real X server (Xvfb), driven by the keyboard alone: key presses go through the X
# server's XTEST extension, as a keyboard's do. Enter presses "Test"; in the showcase, Shift+Tab wraps round to
# "Close Form" (the last in the tab order) and Enter presses it; the result is read back from the text box
# through the clipboard; "Test" again, Escape leaves the showcase as its close box does; Enter on the focused
# "Exit" ends the program.
#
#   keyboard_round_trip.sh PROGRAM ARTEFACT_DIR
set -euo pipefail

program=$1
artefacts=$2
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$artefacts"

test_name=keyboard_round_trip
source "$here/x_session.sh"
under_xvfb "$0" "$@"

QT_QPA_PLATFORM=xcb "$program" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

key() { timeout 10 xdotool key --clearmodifiers "$@"; sleep 0.3; }

# Reads the main window's text box: Tab from "Exit" reaches it (the next in the tab order), then select all
# and copy.
text_box() {
    printf '' | xclip -selection clipboard
    key Tab ctrl+a ctrl+c
    xclip -selection clipboard -o
    key shift+Tab # back to "Exit"
}

# There is no window manager on the server: the test gives a newly shown window the keyboard focus, as a
# window manager does, and nothing else.
focus() {
    timeout 10 xdotool windowfocus --sync "$1"
    sleep 0.3
}

main=$(visible_window "$main_title") || fail "the main window never showed"
focus "$main"

key Return
showcase=$(visible_window "$showcase_title") || fail "Enter in the main window did not press Test"
gone "$main_title" || fail "the main window stayed visible during the test"
focus "$showcase"
shot "$showcase" showcase-by-keyboard
key shift+Tab Return
gone "$showcase_title" || fail "Shift+Tab, Enter did not press Close Form"
main=$(visible_window "$main_title") || fail "the main window did not come back after Close Form"
focus "$main"
result=$(text_box)
[[ $result == "All Good! Looks like it is working." ]] || fail "after Close Form the text box reads '$result'"

# The focus is on "Exit" now: the main window's Enter goes to the focused button. Tab twice from "Exit"
# wraps round the tab order (Exit, Text1, Test) to "Test".
key Tab Tab Return
showcase=$(visible_window "$showcase_title") || fail "Enter on the focused Test button did not open the showcase"
focus "$showcase"
key Escape
gone "$showcase_title" || fail "Escape did not leave the showcase window"
main=$(visible_window "$main_title") || fail "the main window did not come back after Escape"
focus "$main"
result=$(text_box)
[[ $result == "All Good! Looks like it is working." ]] || fail "after Escape the text box reads '$result'"
shot "$main" main-by-keyboard

key Return
wait_for_exit $pid || fail "Enter on the focused Exit button did not end the program"
trap - EXIT
[[ $exit_status -eq 0 ]] || fail "Exit ended the program with status $exit_status"
echo "keyboard_round_trip: Test, Close Form, Escape and Exit by keyboard passed; screenshots in $artefacts"
