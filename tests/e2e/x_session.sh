# Shared by the real-display tests: finding, clicking and photographing the program's windows on the X server
# named by DISPLAY. Source it after setting `artefacts` (the screenshot folder) and `test_name`.

main_title='^Quorvane All Controls$'
showcase_title='^All VB6 Pro Controls$'
report_title='^Quorvane$'

# The desktop's resolution: 96 dpi, or what the calling script sets before under_xvfb (144 for 150 %).
xft_dpi=${xft_dpi:-96}

# Runs the calling script again inside its own Xvfb (the xcb platform at xft_dpi), unless it already is. The
# screen grows with the resolution, so that the scaled windows fit on it; Qt scales its windows by the
# desktop's Xft.dpi, as a user's desktop settings set it. The server must not reset when its last client
# leaves: a program started during the reset cannot connect, and the resolution would be lost.
under_xvfb() {
    if [[ -z "${QUORVANE_UNDER_XVFB:-}" ]]; then
        export QUORVANE_UNDER_XVFB=1
        local screen="$((1280 * xft_dpi / 96))x$((1024 * xft_dpi / 96))x24"
        exec xvfb-run -a -s "-screen 0 $screen -dpi $xft_dpi -noreset" "$@"
    fi
    [[ $xft_dpi -eq 96 ]] || echo "Xft.dpi: $xft_dpi" | xrdb -merge
}

fail() {
    echo "$test_name: $*" >&2
    timeout 20 import -window root "$artefacts/failure.png" 2>/dev/null || true
    exit 1
}

# Waits until a window with the title is mapped (visible) and prints its id.
visible_window() {
    local title=$1 id
    for _ in $(seq 100); do
        if id=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -n 1) && [[ -n "$id" ]]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

is_visible() { xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }

# Waits until no window with the title is visible.
gone() {
    for _ in $(seq 100); do
        is_visible "$1" || return 0
        sleep 0.1
    done
    return 1
}

# Waits for the process, a child of this shell, to end and sets exit_status; fails when it does not end.
# (Not a command substitution: a subshell cannot wait for its parent's children.)
wait_for_exit() {
    local pid=$1
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && return 1
    wait "$pid" && exit_status=0 || exit_status=$?
}

# A length in pixels at 96 dpi as the desktop's pixels.
scaled() { echo $(($1 * xft_dpi / 96)); }

# Moves the pointer onto the point and clicks there. The pointer first leaves for the screen's corner: xdotool
# waits for a movement forever when the pointer already stands on the point, as it does where the last run's
# window was.
click_at() {
    timeout 10 xdotool mousemove 0 0 && timeout 10 xdotool mousemove --sync --window "$1" "$2" "$3" click 1
}
shot() { timeout 20 import -window "$1" "$artefacts/$2.png"; }

# Button centres in pixels at 96 dpi, from the stored layouts, scaled with the desktop.
click_test() { click_at "$1" "$(scaled 48)" "$(scaled 42)"; }
click_exit() { click_at "$1" "$(scaled 328)" "$(scaled 42)"; }
click_close_form() { click_at "$1" "$(scaled 444)" "$(scaled 86)"; }
