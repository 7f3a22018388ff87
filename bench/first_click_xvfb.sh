#!/usr/bin/env bash
# What a user of a real X desktop waits for the first time: the program started, its main window drawn, a click
# on "Test", and the showcase window drawn. Times the real program beside a plain Qt program with the same two
# windows made directly (the benchmark program's plain-program child, same libraries), taking turns under one
# Xvfb, and prints the medians and their ratio. Both are timed from outside, from the X server, the same way:
# the real program cannot say when it painted, and a window mapped is not yet a window drawn (first_click.py).
# Give the program of the same build as the benchmark program, both optimised alike.
#
#   first_click_xvfb.sh PROGRAM BENCHMARK_PROGRAM [RUNS]
set -euo pipefail

program=$(realpath "$1")
bench=$(realpath "$2")
runs=${3:-20}
here=$(cd "$(dirname "$0")" && pwd)

test_name=first_click_xvfb
source "$here/../tests/e2e/x_session.sh"
under_xvfb "$0" "$@"
artefacts=$(dirname "$bench")/first-click # a screenshot, when a window never shows
mkdir -p "$artefacts"

export QT_QPA_PLATFORM=xcb
/usr/bin/python3 "$here/first_click.py" "$runs" \
    quorvane "Quorvane All Controls" "All VB6 Pro Controls" "$program" \
    plain-qt "Plain Qt All Controls" "Plain Qt Showcase" "$bench --child=plain-program" ||
    fail "a run did not reach the showcase window"
