#!/usr/bin/env bash
# The installed program on a real X server, run from a copy of its installed tree with one control library
# module broken at a time: removed, replaced by random bytes, cut short, or replaced by a module whose metadata
# leaves out one of its classes; and the calendar's module replaced by one built against a function no library
# provides (as a module built for a newer runtime would be). Each time "Test" must end in the runtime's report naming the library's first
# record in the showcase's stored order, its CLSID, its library file and a reason that names the module file;
# the showcase never shows and the program ends with status 1. The report box of each run is kept as a
# screenshot.
#
#   broken_installations.sh INSTALLED_PROGRAM CONTROLS_DIR WITHOUT_A_CLASS_DIR CONTROL_LIBRARIES_JSON
#       SHOWCASE_RECORDS UNRESOLVED_SYMBOL_MODULE ARTEFACT_DIR [MODULE...]
#
# CONTROLS_DIR is the module folder relative to the installed prefix (lib/x86_64-linux-gnu/quorvane-2/controls);
# CONTROL_LIBRARIES_JSON is the manifest's data; SHOWCASE_RECORDS prints the showcase window's ActiveX records
# in stored order.
set -euo pipefail

installed_program=$1
controls=$2
without_a_class=$3
control_libraries=$4
showcase_records=$5
unresolved_symbol_module=$6
artefacts=$7
shift 7
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$artefacts"

test_name=broken_installations
source "$here/x_session.sh"
under_xvfb "$0" "$installed_program" "$controls" "$without_a_class" "$control_libraries" "$showcase_records" \
    "$unresolved_symbol_module" "$artefacts" "$@"

# module, library file, first record in stored order whose class comes from it, that class's CLSID: the
# libraries and their classes from the manifest's data, each library's module as the installed quorvane-check
# names it, the records in the order the showcase window stores them.
records=$(QT_QPA_PLATFORM=offscreen "$showcase_records") || fail "$showcase_records failed"
listed=$("$(dirname "$installed_program")/quorvane-check" --list-libraries --json) ||
    fail "quorvane-check --list-libraries failed"
"$here/../support/check_json.py" libraryList <<<"$listed" ||
    fail "quorvane-check --list-libraries --json does not hold to its schema (above)"
table=$(python3 - "$control_libraries" "$records" "$listed" <<'PY'
import json
import sys

data = json.load(open(sys.argv[1]))
order = [line.split() for line in sys.argv[2].splitlines()]
modules = {entry["file"]: entry["module"] for entry in json.loads(sys.argv[3])["libraries"] if entry["module"]}
if set(modules) != {library["file"] for library in data["libraries"]}:
    sys.exit(f"quorvane-check lists the modules of {sorted(modules)}, the manifest's data other libraries")
rows = []
for library in data["libraries"]:
    clsids = {library["typeLibrary"] + "." + cls["name"]: cls["clsid"] for cls in library["classes"]}
    first = next((i for i, (_, prog_id) in enumerate(order) if prog_id in clsids), None)
    if first is None:
        sys.exit(f"the showcase window holds no class of {library['file']}")
    record, prog_id = order[first]
    rows.append((first, modules[library["file"]].removesuffix(".so"), library["file"], record, clsids[prog_id]))
for row in sorted(rows):
    print(*row[1:])
PY
) || fail "could not work out the table of libraries"
mapfile -t libraries <<<"$table"
[[ ${#libraries[@]} -eq 20 ]] || fail "${#libraries[@]} libraries, not 20: $table"

tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
prefix=$(dirname "$(dirname "$installed_program")")
cp -a "$prefix/." "$tree/"
program=$tree/${installed_program#"$prefix"/}
modules=$tree/$controls
[[ -x $program && -d $modules ]] || fail "no installed program or module folder under $prefix"

# Breaks the module one way; the reason the report must give contains the printed text.
break_module() {
    local way=$1 module=$2 file=$modules/$2.so
    case $way in
    removed)
        rm "$file"
        echo "$module.so is missing from"
        ;;
    random-bytes)
        head -c 65536 /dev/urandom >"$file"
        echo "$module.so is not a loadable control library"
        ;;
    cut-short)
        head -c $(($(stat -c %s "$file") / 2)) "$file.whole" >"$file"
        echo "$module.so is not a loadable control library: the file is cut short"
        ;;
    without-a-class)
        cp "$without_a_class/$module.so" "$file"
        echo "the installed module $file"
        ;;
    unresolved-symbol)
        cp "$unresolved_symbol_module" "$file"
        echo "$file could not be loaded: it needs the symbol qv_function_of_a_newer_runtime"
        ;;
    esac
}

runs=0
for row in "${libraries[@]}"; do
    read -r module library record clsid <<<"$row"
    [[ $# -eq 0 || " $* " == *" $module "* ]] || continue
    cp "$modules/$module.so" "$modules/$module.so.whole"
    ways=(removed random-bytes cut-short without-a-class)
    [[ $module.so != "$(basename "$unresolved_symbol_module")" ]] || ways+=(unresolved-symbol)
    for way in "${ways[@]}"; do
        run="$module-$way"
        reason=$(break_module "$way" "$module")
        report=$artefacts/$run.stderr
        QT_QPA_PLATFORM=xcb "$program" 2>"$report" &
        pid=$!
        main=$(visible_window "$main_title") || fail "$run: the main window never showed"
        click_test "$main"
        box=$(visible_window "$report_title") || fail "$run: no report: $(cat "$report")"
        is_visible "$showcase_title" && fail "$run: the showcase window showed"
        shot "$box" "$run"
        timeout 10 xdotool windowfocus --sync "$box" key Return
        wait_for_exit $pid || { kill $pid; fail "$run: the program did not end after the report"; }
        [[ $exit_status -eq 1 ]] || fail "$run: exit status $exit_status, not 1"
        for expected in "Control: $record" "CLSID: $clsid" "Library file: $library" "Reason: "; do
            grep -qF -- "$expected" "$report" || fail "$run: the report lacks \"$expected\": $(cat "$report")"
        done
        grep -F -- "Reason: " "$report" | grep -qF -- "$reason" ||
            fail "$run: the reason does not say \"$reason\": $(cat "$report")"
        cp "$modules/$module.so.whole" "$modules/$module.so"
        runs=$((runs + 1))
    done
    rm "$modules/$module.so.whole"
done
[[ $runs -gt 0 ]] || fail "no module matched: $*"
echo "$test_name: $runs broken installations reported exactly; reports and screenshots in $artefacts"
