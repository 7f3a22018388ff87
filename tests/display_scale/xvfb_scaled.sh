#!/usr/bin/env bash
# The installed program on a real X server whose desktop is set to DPI (Xft.dpi; 144 is 150 %, 192 is 200 %),
# driven by the mouse: each window's size as the X server has it must be its stored client area scaled, the
# window icon must offer the scaled sizes, and a screenshot of each window is kept for a person to check that
# every text shows in full and sharp. "Test", "Close Form", then "Exit".
#
#   xvfb_scaled.sh PROGRAM CLIENT_SIZES DPI ARTEFACT_DIR
# CLIENT_SIZES prints each window's stored client area in twips: "Form1 5595 855".
set -euo pipefail

program=$1
client_sizes=$2
xft_dpi=$3
artefacts=$4
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$artefacts"

test_name="display_scale at $xft_dpi dpi"
source "$here/../e2e/x_session.sh"
under_xvfb "$0" "$@"

declare -A twips
while read -r form width height; do
    twips[$form]="$width $height"
done < <(QT_QPA_PLATFORM=offscreen "$client_sizes")

# Checks the window's size on the X server against the stored client area: twips are 1440 an inch (15 a
# pixel at 96 dpi), and a pixel more or less is rounding.
check_size() {
    local window=$1 form=$2 width height WIDTH HEIGHT
    read -r width height <<<"${twips[$form]}"
    eval "$(xdotool getwindowgeometry --shell "$window")"
    local want_width=$(((width * xft_dpi + 720) / 1440)) want_height=$(((height * xft_dpi + 720) / 1440))
    ((WIDTH - want_width <= 1 && want_width - WIDTH <= 1 && HEIGHT - want_height <= 1 && want_height - HEIGHT <= 1)) ||
        fail "$form is ${WIDTH}x$HEIGHT pixels, not the ${want_width}x$want_height of its ${width}x$height twips"
    echo "$form: ${WIDTH}x$HEIGHT pixels at $xft_dpi dpi"
}

QT_QPA_PLATFORM=xcb "$program" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

main=$(visible_window "$main_title") || fail "the main window never showed"
sleep 0.3
check_size "$main" Form1
shot "$main" main

# The icon the window manager gets: at least the 48-pixel size doubled, drawn from the scalable picture.
icon_sizes=$(xprop -id "$main" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ')
[[ $icon_sizes == *"Icon (96 x 96)"* ]] || fail "the window icon offers no 96-pixel image, only: $icon_sizes"

click_test "$main"
showcase=$(visible_window "$showcase_title") || fail "the showcase window never showed"
sleep 0.5
check_size "$showcase" Form2
shot "$showcase" showcase
click_close_form "$showcase"
gone "$showcase_title" || fail "\"Close Form\" left the showcase window visible"
main=$(visible_window "$main_title") || fail "the main window did not come back"
sleep 0.3
shot "$main" main-after-close-form

click_exit "$main"
wait_for_exit $pid || fail "Exit did not end the program"
trap - EXIT
[[ $exit_status -eq 0 ]] || fail "Exit ended the program with status $exit_status"
echo "$test_name: both windows at their stored size scaled; screenshots in $artefacts"
