#!/usr/bin/env bash
# The package carries exactly what an installation needs: the two programs, one module for each library file
# the manifest lists (as `quorvane-check --list-libraries` prints it), the desktop entry, the AppStream
# metadata, the icon in four sizes and the fleet playbook; nothing else. Its dependencies include the
# libraries the modules link.
#
#   contents.sh PACKAGE_DIR APP_ID QUORVANE_CHECK
set -euo pipefail
export LC_ALL=C # one sort order for comm
packages=$1
app_id=$2
check=$3
source "$(dirname "$0")/package_file.sh"
deb=$(package_file "$packages")
controls=usr/lib/quorvane/controls

# The lines of the first list (a name of an array) that the second lacks.
only_in() {
    local -n first=$1 second=$2
    comm -23 <(printf '%s\n' "${first[@]}" | sort -u) <(printf '%s\n' "${second[@]}" | sort -u)
}
failures=0
# Prints a heading and the names under it, when there are any.
report() {
    [[ -n $2 ]] || return 0
    echo "$1" >&2
    sed 's/^/    /' <<<"$2" >&2
    failures=1
}

# Every file of the package, without the leading "./"; folders are left out.
mapfile -t files < <(dpkg-deb --fsys-tarfile "$deb" | tar -t | sed 's|^\./||' | grep -v -e '/$' -e '^$')

# The modules the manifest enumerates: the second column of each line, where a library has a module file.
[[ -x $check ]] || fail "$check was not built"
listing=$("$check" --list-libraries) || fail "'$check --list-libraries' ended with status $?"
expected_modules=()
while IFS= read -r line; do
    [[ -n $line ]] || continue
    [[ $line == *$'\t'* ]] || fail "'quorvane-check --list-libraries' printed a line without a TAB: '$line'"
    module=${line#*$'\t'}
    [[ $module == "(built in)" ]] || expected_modules+=("$module")
done <<<"$listing"
[[ ${#expected_modules[@]} -gt 0 ]] || fail "'quorvane-check --list-libraries' lists no module files:
$listing"

packaged_modules=()
others=()
for f in "${files[@]}"; do
    if [[ $f == "$controls"/*.so ]]; then packaged_modules+=("${f#"$controls"/}"); else others+=("$f"); fi
done
report "modules the manifest lists that are missing from /$controls:" \
    "$(only_in expected_modules packaged_modules)"
report "modules in /$controls that the manifest does not list:" \
    "$(only_in packaged_modules expected_modules)"

required=(
    usr/bin/Quorvane
    usr/bin/quorvane-check
    "usr/share/applications/$app_id.desktop"
    "usr/share/metainfo/$app_id.metainfo.xml"
    "usr/share/icons/hicolor/16x16/apps/$app_id.png"
    "usr/share/icons/hicolor/32x32/apps/$app_id.png"
    "usr/share/icons/hicolor/48x48/apps/$app_id.png"
    "usr/share/icons/hicolor/scalable/apps/$app_id.svg"
    usr/share/quorvane/fleet/check-quorvane.yml # quorvane-check on every host of a fleet, for administrators
)
report "files missing from the package:" "$(only_in required others | sed 's|^|/|')"
report "files the package must not carry:" "$(only_in others required | sed 's|^|/|')"

# dpkg-shlibdeps read the modules too (Qt Charts is linked by the chart module alone), and the face the
# windows are drawn with is named by hand.
depends=$(dpkg-deb --field "$deb" Depends)
for library in libqt6widgets6 libqt6charts6 fonts-liberation; do
    [[ $depends == *"$library"* ]] ||
        report "the package does not depend on $library; it depends on:" "${depends:-(nothing)}"
done

[[ $failures -eq 0 ]] || fail "the package's contents differ from an installation's (above); it holds:
$(printf '    /%s\n' "${files[@]}")"
echo "${#files[@]} files, ${#packaged_modules[@]} modules, as the manifest lists"
