# Shared by the real-display tests: finding, clicking and photographing the program's windows on the X server
# named by DISPLAY. Source it after setting `artefacts` (the screenshot folder) and `test_name`.

main_title='^Quorvane All Controls$'
showcase_title='^All VB6 Pro Controls$'
report_title='^Quorvane$'

# Runs the calling script again inside its own Xvfb (the xcb platform at 96 dpi), unless it already is. The
# server must not reset when its last client leaves: a program started during the reset cannot connect.
under_xvfb() {
    if [[ -z "${QUORVANE_UNDER_XVFB:-}" ]]; then
        export QUORVANE_UNDER_XVFB=1
        exec xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96 -noreset" "$@"
    fi
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

# Moves the pointer onto the point and clicks there. The pointer first leaves for the screen's corner: xdotool
# waits for a movement forever when the pointer already stands on the point, as it does where the last run's
# window was.
click_at() {
    timeout 10 xdotool mousemove 0 0 && timeout 10 xdotool mousemove --sync --window "$1" "$2" "$3" click 1
}
shot() { timeout 20 import -window "$1" "$artefacts/$2.png"; }

# Button centres in pixels at 96 dpi, from the stored layouts.
click_test() { click_at "$1" 48 42; }
click_exit() { click_at "$1" 328 42; }
click_close_form() { click_at "$1" 444 86; }
