#!/usr/bin/env bash
# The installed program on a real X server (Xvfb, the xcb platform), driven from outside by the mouse:
# "Test" then "Close Form", "Test" then the showcase's close box, then "Exit". Window titles and visibility
# are read from the X server; a screenshot of each window is kept in the artefact folder.
#
#   xvfb_round_trip.sh PROGRAM ARTEFACT_DIR
set -euo pipefail

program=$1
artefacts=$2
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$artefacts"

test_name=xvfb_round_trip
source "$here/x_session.sh"
under_xvfb "$0" "$@"

QT_QPA_PLATFORM=xcb "$program" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

main=$(visible_window "$main_title") || fail "the main window never showed"
sleep 0.3
shot "$main" main-start

for ending in close-form close-box; do
    click_test "$main"
    showcase=$(visible_window "$showcase_title") || fail "$ending: the showcase window never showed"
    gone "$main_title" || fail "$ending: the main window stayed visible during the test"
    sleep 0.3
    shot "$showcase" "showcase-$ending"
    if [[ $ending == close-form ]]; then
        click_close_form "$showcase"
    else
        /usr/bin/python3 "$here/send_wm_delete.py" "$showcase" # Debian's Python, which has python3-xlib
    fi
    gone "$showcase_title" || fail "$ending: the showcase window stayed visible"
    main=$(visible_window "$main_title") || fail "$ending: the main window did not come back"
    sleep 0.3
    shot "$main" "main-after-$ending"
done

click_exit "$main"
wait_for_exit $pid || fail "Exit did not end the program"
trap - EXIT
[[ $exit_status -eq 0 ]] || fail "Exit ended the program with status $exit_status"
echo "xvfb_round_trip: both round trips and Exit passed; screenshots in $artefacts"
