#!/usr/bin/env bash
# The arrows between the program's folders, as its includes draw them: every quoted include of a source file
# must name a folder that the file's folder may use. The runtime's public API, <quorvane/...>, is open to all;
# programs for the runtime (app, windows, check, examples) may use nothing else of it. The target links enforce
# the same arrows for code, and the runtime's parts, the manifest and the controls' interface and kit have only
# the folders they link on their include path; this checks every folder alike, the programs' too.
#
#   include_arrows.sh SOURCE_DIR
set -euo pipefail
cd "$1"

# folder: the folders its files may include from (besides their own folder), as its target links them; whole
# folders only. The most specific folder wins.
rules=(
    "manifest: manifest"
    "controls/interface: controls/interface"
    "controls/kit: controls/interface"
    "controls: controls/interface controls/kit"
    "runtime/core: controls/interface"
    "runtime/ole: controls/interface"
    "runtime/builtin: runtime/core runtime/ole manifest controls/interface"
    "runtime/modules: runtime/core manifest controls/interface"
    "runtime/start: runtime/core runtime/builtin runtime/modules manifest"
    "windows/showcase/embedded_picture: runtime/ole"
    "windows: windows"
    "app: windows app"
    "check: windows check"
    "examples: "
)

rule_for() {
    local file=$1 best="" allowed=""
    for rule in "${rules[@]}"; do
        local folder=${rule%%:*}
        if [[ $file == "$folder"/* && ${#folder} -gt ${#best} ]]; then
            best=$folder
            allowed=${rule#*:}
        fi
    done
    echo "$best|$allowed"
}

faults=0
while IFS= read -r file; do
    IFS='|' read -r folder allowed <<<"$(rule_for "$file")"
    [[ -n $folder ]] || continue
    own=$(dirname "$file")
    while IFS= read -r included; do
        [[ $included == */* ]] || continue # the file's own folder, or a file generated for it
        ok=false
        for prefix in "$own" "$folder" $allowed; do
            [[ $included == "$prefix"/* || $included == "$prefix" ]] && ok=true
        done
        if ! $ok; then
            echo "$file includes $included: $folder may use only ${allowed:-its own folder}" >&2
            faults=$((faults + 1))
        fi
    done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
done < <(git ls-files -- '*.cpp' '*.h' 2>/dev/null || find . \( -name '*.cpp' -o -name '*.h' \) -printf '%P\n')

if ((faults > 0)); then
    echo "$faults include(s) against the arrows" >&2
    exit 1
fi
echo "every include follows the arrows"
