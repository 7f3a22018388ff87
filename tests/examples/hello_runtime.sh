#!/usr/bin/env bash
# The example program as another developer builds it: configured and built out of tree against nothing but an
# installed runtime's development files, then copied alone into an empty folder and run there on a real X
# server: a name typed and greeted (the greeting read back through the clipboard), then greeted again with
# another salutation from the list the program fills, shouted by the check box; the modal About dialog
# opened and closed, Quit answered No and then Yes, and the form's Terminate heard. Then the same executable against a copy of the installation with one module it
# uses taken away: the runtime's report names the control, its class and the missing library file, in the
# module folder beside the runtime library.
#
#   hello_runtime.sh EXAMPLE_SOURCE INSTALLED_PREFIX LIBDIR CONTROLS_BESIDE_RUNTIME ARTEFACT_DIR [CMAKE_ARGUMENT...]
# LIBDIR is the runtime library's folder under the prefix (lib/x86_64-linux-gnu), CONTROLS_BESIDE_RUNTIME the
# module folder relative to it (QUORVANE_CONTROLS_BESIDE_RUNTIME of the top CMakeLists.txt).
set -euo pipefail

source_dir=$1
prefix=$2
libdir=$3
controls=$4
artefacts=$5
shift 5
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$artefacts"

test_name=hello_runtime
source "$here/../e2e/x_session.sh"
under_xvfb "$0" "$source_dir" "$prefix" "$libdir" "$controls" "$artefacts" "$@"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Built as anyone would build it, with the runtime's CMake package found under the prefix.
cmake -S "$source_dir" -B "$work/build" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" "$@" >"$artefacts/configure.log" 2>&1 ||
    fail "configuring against $prefix failed: $(tail -n 5 "$artefacts/configure.log")"
cmake --build "$work/build" >"$artefacts/build.log" 2>&1 || fail "building failed: $(tail -n 5 "$artefacts/build.log")"
mkdir "$work/alone"
cp "$work/build/hello-runtime" "$work/alone/"
[[ $(ls "$work/alone") == hello-runtime ]] || fail "the folder holds more than the executable"
cd "$work/alone"

hello_title='^Hello Runtime$'
about_title='^About Hello Runtime$'
# Control centres in pixels at 96 dpi, from the example's stored layouts (twips / 15).
name_box=(152 50)
greet=(268 50)
greeting_box=(200 82)
salutations=(294 146) # the first of the salutations the program puts in the list
shout=(214 212) # its box
about=(244 251)
quit=(344 251)
ok=(144 86)

QT_QPA_PLATFORM=xcb ./hello-runtime >"$artefacts/run.stdout" 2>"$artefacts/run.stderr" &
pid=$!
hello=$(visible_window "$hello_title") || fail "the window never showed: $(cat "$artefacts/run.stderr")"
sleep 0.3
click_at "$hello" "${name_box[@]}"
timeout 10 xdotool type --delay 20 "Ada"
click_at "$hello" "${greet[@]}"
sleep 0.3
shot "$hello" hello-greeted
# The greeting box's text, as a user copies it.
greeting_shown() {
    click_at "$hello" "${greeting_box[@]}"
    timeout 10 xdotool key ctrl+a ctrl+c
    timeout 10 xclip -o -selection clipboard 2>/dev/null || true
}
greeting=$(greeting_shown)
[[ $greeting == "Hello, Ada!" ]] || fail "the greeting box holds \"$greeting\", not \"Hello, Ada!\""

# The second salutation, shouted: the list the program filled and the check box, read through their typed
# classes.
click_at "$hello" "${salutations[@]}"
timeout 10 xdotool key Down
click_at "$hello" "${shout[@]}"
click_at "$hello" "${greet[@]}"
sleep 0.3
shot "$hello" hello-shouted
greeting=$(greeting_shown)
[[ $greeting == "GOOD DAY, ADA!" ]] || fail "the greeting box holds \"$greeting\", not \"GOOD DAY, ADA!\""

click_at "$hello" "${about[@]}"
dialog=$(visible_window "$about_title") || fail "the About dialog never showed"
sleep 0.3
shot "$dialog" about-dialog
click_at "$dialog" "${ok[@]}"
gone "$about_title" || fail "OK did not close the About dialog"
is_visible "$hello_title" || fail "the main window went away with the dialog"

# Quit asks first: "No" (the second button, by Tab and Enter) keeps the window, "Yes" (the default) ends.
quit_title='^Quit$'
click_at "$hello" "${quit[@]}"
question=$(visible_window "$quit_title") || fail "Quit asked nothing"
sleep 0.3
shot "$question" quit-question
timeout 10 xdotool key Tab Return
gone "$quit_title" || fail "No did not close the question"
is_visible "$hello_title" || fail "No did not keep the window"
click_at "$hello" "${quit[@]}"
visible_window "$quit_title" >/dev/null || fail "Quit asked nothing the second time"
sleep 0.3
timeout 10 xdotool key Return
wait_for_exit $pid || fail "Yes to Quit did not end the program"
[[ $exit_status -eq 0 ]] || fail "Quit ended the program with status $exit_status"
# Its window gone, the form's Terminate handler ran before the process ended.
[[ $(cat "$artefacts/run.stdout") == "Greeted 2 times. Goodbye." ]] ||
    fail "the form's Terminate said \"$(cat "$artefacts/run.stdout")\", not \"Greeted 2 times. Goodbye.\""

# The same executable, with the runtime of a copy of the installation whose calendar module is gone.
cp -a "$prefix" "$work/broken"
runtime=$work/broken/$libdir
rm "$runtime/$controls/mscomct2.so" || fail "the installation has no mscomct2.so in $prefix/$libdir/$controls"
LD_LIBRARY_PATH=$runtime QT_QPA_PLATFORM=xcb ./hello-runtime 2>"$artefacts/broken.stderr" &
pid=$!
box=$(visible_window "$hello_title") || fail "no report came up: $(cat "$artefacts/broken.stderr")"
sleep 0.3
shot "$box" missing-module-report
click_at "$box" 10 10 # the box takes the keyboard, then Enter presses its button
timeout 10 xdotool key Return
wait_for_exit $pid || fail "the program did not end after its report"
[[ $exit_status -eq 1 ]] || fail "the program ended with status $exit_status after its report, not 1"
for expected in "Run-time error '429':" "Control: Calendar" "Class: MSComCtl2.MonthView" \
    "Library file: MSCOMCT2.OCX" "mscomct2.so is missing from $runtime/$controls"; do
    grep -qF "$expected" "$artefacts/broken.stderr" || fail "the report does not say \"$expected\": $(cat "$artefacts/broken.stderr")"
done
echo "hello_runtime: built against $prefix alone, greeted, opened and closed its dialog, quit; without its calendar module it named the control, its class and MSCOMCT2.OCX"
