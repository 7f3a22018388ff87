#!/usr/bin/env bash
# The desktop entry and the AppStream metadata, as the program package installs them, pass their validators,
# and what they name is in that package: the command the entry starts, its icon, the entry the metadata
# launches.
#
#   desktop_files_validate.sh PACKAGE_DIR APP_ID
set -euo pipefail
packages=$1
app_id=$2
source "$(dirname "$0")/package_file.sh"
unpack_packages "$packages" "$program_package"
desktop=$root/usr/share/applications/$app_id.desktop
metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
[[ -f $desktop ]] || fail "$program_package has no /usr/share/applications/$app_id.desktop"
[[ -f $metainfo ]] || fail "$program_package has no /usr/share/metainfo/$app_id.metainfo.xml"

failures=0
# Silent when the entry is clean; hints (such as an entry shown in two menus) count too.
report=$(desktop-file-validate "$desktop" 2>&1) || true
if [[ -n $report ]]; then
    echo "desktop-file-validate:" >&2
    echo "$report" >&2
    failures=1
fi
if ! report=$(appstreamcli validate --no-net "$metainfo" 2>&1); then
    echo "appstreamcli validate:" >&2
    echo "$report" >&2
    failures=1
fi

key() { sed -n "s/^$1=//p" "$desktop" | head -n 1; }
exec_command=$(key Exec)
exec_command=${exec_command%% *}
if [[ ! -x $root/usr/bin/$exec_command ]]; then
    echo "Exec=$exec_command names no program in /usr/bin of $program_package" >&2
    failures=1
fi
icon=$(key Icon)
icons=$(cd "$root" && find usr/share/icons/hicolor -path "*/apps/$icon.*" | sort)
if [[ -z $icons ]]; then
    echo "Icon=$icon has no picture in /usr/share/icons/hicolor of $program_package" >&2
    failures=1
fi
launchable=$(sed -n 's|.*<launchable type="desktop-id">\(.*\)</launchable>.*|\1|p' "$metainfo")
if [[ $launchable != "$app_id.desktop" ]]; then
    echo "the metadata launches '$launchable', $program_package's desktop entry is $app_id.desktop" >&2
    failures=1
fi

[[ $failures -eq 0 ]] || fail "the desktop files of $program_package are not valid (above)"
echo "valid: $app_id.desktop (Exec=$exec_command, Icon=$icon in $(wc -l <<<"$icons") sizes), $app_id.metainfo.xml"
