#!/usr/bin/env bash
# The installed program on a real X server, run from a copy of its installed tree with one control library
# module broken at a time: removed, replaced by random bytes, cut short, or replaced by a module whose metadata
# leaves out one of its classes. Each time "Test" must end in the runtime's report naming the library's first
# record in the showcase's stored order, its CLSID, its library file and a reason that names the module file;
# the showcase never shows and the program ends with status 1. The report box of each run is kept as a
# screenshot.
#
#   broken_installations.sh INSTALLED_PROGRAM WITHOUT_A_CLASS_DIR ARTEFACT_DIR [MODULE...]
set -euo pipefail

installed_program=$1
without_a_class=$2
artefacts=$3
shift 3
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$artefacts"

test_name=broken_installations
source "$here/x_session.sh"
under_xvfb "$0" "$installed_program" "$without_a_class" "$artefacts" "$@"

# module, library file, first record in stored order whose class comes from it, that class's CLSID
libraries=(
    "mshflxgd MSHFLXGD.OCX MSHFlexGrid1 {0ECD9B64-23AA-11D0-B351-00A0C9055D8E}"
    "msadodc MSADODC.OCX Adodc1 {67397AA3-7FB1-11D0-B148-00A0C922E820}"
    "comct332 COMCT332.OCX CoolBar1 {38911D92-E448-11D0-84A3-00DD01104159}"
    "msdatlst MSDATLST.OCX DataCombo1 {F0D2F21C-CCB0-11D0-A316-00AA00688B10}"
    "msdatgrd MSDATGRD.OCX DataGrid1 {CDE57A43-8B86-11D0-B3C6-00A0C90AEA82}"
    "msmask32 MSMASK32.OCX MaskEdBox1 {C932BA85-4374-101B-A56C-00AA003668DC}"
    "mscomm32 MSCOMM32.OCX MSComm1 {648A5600-2C6E-101B-82B6-000000000014}"
    "sysinfo SYSINFO.OCX SysInfo1 {6FBA474B-43AC-11CE-9A0E-00AA0062BB4C}"
    "picclp32 PICCLP32.OCX PictureClip1 {27395F85-0C0C-101B-A3C9-08002B2F49FB}"
    "mci32 MCI32.OCX MMControl1 {C1A8AF25-1257-101B-8FB0-0020AF039CA3}"
    "msmapi32 MSMAPI32.OCX MAPIMessages1 {20C62CAB-15DA-101B-B9A8-444553540000}"
    "mswinsck MSWINSCK.OCX Winsock1 {248DD896-BB45-11CF-9ABC-0080C7E7B78D}"
    "mschrt20 MSCHRT20.OCX MSChart1 {3A2B370C-BA0A-11D1-B137-0000F8753F5D}"
    "richtx32 RICHTX32.OCX RichTextBox1 {3B7C8860-D78F-101B-B9B5-04021C009402}"
    "msinet MSINET.OCX Inet1 {48E59293-9880-11CF-9754-00AA00C00908}"
    "mscomct2 MSCOMCT2.OCX FlatScrollBar1 {FE38753A-44A3-11D1-B5B7-0000C09000C4}"
    "mscomctl MSCOMCTL.OCX ImageCombo1 {DD9DA666-8594-11D1-B16A-00C0F0283628}"
    "comdlg32 COMDLG32.OCX CommonDialog1 {F9043C85-F6F2-101A-A3C9-08002B2F49FB}"
    "msflxgrd MSFLXGRD.OCX MSFlexGrid1 {6262D3A0-531B-11CF-91F6-C2863C385E30}"
    "tabctl32 TABCTL32.OCX SSTab1 {BDC217C5-ED16-11CD-956C-0000C04E4C0A}"
)

tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
prefix=$(dirname "$(dirname "$installed_program")")
cp -a "$prefix/." "$tree/"
program=$tree/${installed_program#"$prefix"/}
modules=$(cd "$tree" && find . -path '*/quorvane/controls' -type d)
modules=$tree/${modules#./}
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
    esac
}

runs=0
for row in "${libraries[@]}"; do
    read -r module library record clsid <<<"$row"
    [[ $# -eq 0 || " $* " == *" $module "* ]] || continue
    cp "$modules/$module.so" "$modules/$module.so.whole"
    for way in removed random-bytes cut-short without-a-class; do
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
