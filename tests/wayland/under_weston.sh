#!/usr/bin/env bash
# Runs a command as a client of a Wayland compositor of its own: Debian's weston with its headless back end,
# in a private runtime folder, the command on Qt's wayland platform. Weston is stopped afterwards, and the
# command's exit status is this script's. When weston does not come up, its log is shown.
#
#   under_weston.sh COMMAND [ARGUMENT...]
set -euo pipefail

# The compositor's socket lies in the runtime folder, which only its user may enter (mktemp -d makes it 0700,
# as the Wayland libraries want it); the name is this run's alone.
runtime=$(mktemp -d)
chmod 0700 "$runtime"
socket=quorvane-$$
log=$runtime/weston.log

XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket="$socket" --idle-time=0 --log="$log" &
weston=$!
stop_weston() {
    kill "$weston" 2>/dev/null || true
    wait "$weston" 2>/dev/null || true
    rm -rf "$runtime"
}
trap stop_weston EXIT

weston_failed() {
    echo "under_weston: $*; its log:" >&2
    cat "$log" >&2 2>/dev/null || true
    exit 1
}
for _ in $(seq 100); do
    [[ -S $runtime/$socket ]] && break
    kill -0 "$weston" 2>/dev/null || weston_failed "weston ended before its socket was there"
    sleep 0.1
done
[[ -S $runtime/$socket ]] || weston_failed "weston made no socket in 10 seconds"

# No X server: the command must not fall back to one. The headless back end gives the compositor no seat (no
# keyboard, no pointer), and Qt 6.4's Wayland text input asks the seat for its own without looking whether
# there is one: a key typed into a line edit would crash the command. A desktop's compositor always has a
# seat; here Qt is told to use no input method.
status=0
env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland QT_IM_MODULE=none \
    "$@" || status=$?
exit "$status"
