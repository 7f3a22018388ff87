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

if [[ -z "${QUORVANE_UNDER_XVFB:-}" ]]; then
    export QUORVANE_UNDER_XVFB=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" "$0" "$@"
fi

main_title='^Quorvane All Controls$'
showcase_title='^All VB6 Pro Controls$'

fail() {
    echo "xvfb_round_trip: $*" >&2
    import -window root "$artefacts/failure.png" 2>/dev/null || true
    exit 1
}

# Waits until a window with the title is mapped (visible) and prints its id.
visible_window() {
    local title=$1
    for _ in $(seq 100); do
        if id=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -n 1) && [[ -n "$id" ]]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Waits until no window with the title is visible.
gone() {
    local title=$1
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "$title" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    return 1
}

click_at() { xdotool mousemove --sync --window "$1" "$2" "$3" click 1; }
shot() { import -window "$1" "$artefacts/$2.png"; }

QT_QPA_PLATFORM=xcb "$program" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

# Button centres in pixels at 96 dpi, from the stored layouts.
main=$(visible_window "$main_title") || fail "the main window never showed"
sleep 0.3
shot "$main" main-start

for ending in close-form close-box; do
    click_at "$main" 48 42 # "Test"
    showcase=$(visible_window "$showcase_title") || fail "$ending: the showcase window never showed"
    gone "$main_title" || fail "$ending: the main window stayed visible during the test"
    sleep 0.3
    shot "$showcase" "showcase-$ending"
    if [[ $ending == close-form ]]; then
        click_at "$showcase" 444 86 # "Close Form"
    else
        /usr/bin/python3 "$here/send_wm_delete.py" "$showcase" # Debian's Python, which has python3-xlib
    fi
    gone "$showcase_title" || fail "$ending: the showcase window stayed visible"
    main=$(visible_window "$main_title") || fail "$ending: the main window did not come back"
    sleep 0.3
    shot "$main" "main-after-$ending"
done

click_at "$main" 328 42 # "Exit"
for _ in $(seq 100); do
    kill -0 $pid 2>/dev/null || break
    sleep 0.1
done
kill -0 $pid 2>/dev/null && fail "Exit did not end the program"
trap - EXIT
wait $pid && status=0 || status=$?
[[ $status -eq 0 ]] || fail "Exit ended the program with status $status"
echo "xvfb_round_trip: both round trips and Exit passed; screenshots in $artefacts"
