#!/bin/bash
# The fleet playbook against this machine (localhost, local connection), on copies of the installed program:
# a full installation, one with a module removed, one with a module that crashes, and a host where
# quorvane-check is not there at all. Each run's report must name, for the host, exactly the libraries that
# failed, and carry the check's reasons as it gave them. What quorvane-check printed for the playbook must hold
# to the report's schema, and the playbook must read nothing of it that the schema does not name.
#
# Usage: playbook_test.sh PLAYBOOK INSTALLED_PREFIX BIN_SUBDIR CONTROLS_SUBDIR ARTEFACT_DIR CRASHING_MODULE
set -u
playbook=$1 installed=$2 bin_subdir=$3 controls_subdir=$4 artefacts=$5 crashing_module=$6
here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$artefacts"
# In the instrumented build the sanitizer would take a module's crash over; the check must see the signal, as
# on a user's machine.
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:handle_segv=0:handle_sigbus=0:handle_abort=0"
export ANSIBLE_LOCAL_TEMP=$work/ansible-local ANSIBLE_REMOTE_TEMP=$work/ansible-remote ANSIBLE_NOCOLOR=1
echo "localhost ansible_connection=local ansible_python_interpreter=/usr/bin/python3" >"$work/inventory"

failures=0
fail() {
    echo "FAIL ($case): $*"
    failures=$((failures + 1))
}

# A copy of the installed tree (the program, the runtime library and its modules), under $work/$1.
copy_installation() {
    mkdir -p "$work/$1"
    cp -a "$installed/." "$work/$1/"
}

# Runs the playbook with the given quorvane-check; the report goes to $artefacts/$case.json. An installed
# quorvane-check runs through a wrapper that keeps what it printed for the host in $artefacts/$case.check.json,
# which must hold to the report's schema.
run_playbook() {
    local check=$1
    if [[ -x $check ]]; then
        check=$work/$case-quorvane-check
        rm -f "$artefacts/$case.check.json"
        # shellcheck disable=SC2016 # the wrapper's own "$@" and $?
        printf '#!/bin/sh\n"%s" "$@" >"%s"\nstatus=$?\ncat "%s"\nexit $status\n' \
            "$1" "$artefacts/$case.check.json" "$artefacts/$case.check.json" >"$check"
        chmod +x "$check"
    fi
    (cd "$work" && ansible-playbook -i "$work/inventory" "$playbook" -e "quorvane_check=$check" \
        -e "quorvane_report_file=$artefacts/$case.json") >"$artefacts/$case.log" 2>&1
    local status=$?
    if [[ $check != "$1" ]]; then
        "$here/../support/check_json.py" report "$artefacts/$case.check.json" ||
            fail "quorvane-check's report to the playbook does not hold to its schema (above)"
    fi
    return $status
}

# Checks the report's one host: its status, its failed libraries (comma-separated) and, optionally, a text
# its error must contain.
expect_report() {
    python3 - "$artefacts/$case.json" "$1" "$2" "${3:-}" "${4:-}" <<'PY' || fail "report $artefacts/$case.json"
import json, re, sys
path, status, failed, error, reason = sys.argv[1:]
hosts = json.load(open(path))["hosts"]
assert [h["host"] for h in hosts] == ["localhost"], f"hosts: {[h['host'] for h in hosts]}"
host = hosts[0]
assert host["status"] == status, f"status {host['status']!r}, expected {status!r}"
expected = failed.split(",") if failed else []
assert host["failedLibraries"] == expected, f"failed libraries {host['failedLibraries']}, expected {expected}"
assert error in host.get("error", ""), f"error {host.get('error')!r} does not name {error!r}"
if reason:
    reasons = [f["reason"] for f in host["failures"] if f["library"] in expected]
    assert reasons and all(re.fullmatch(reason, r) for r in reasons), f"reasons {reasons}, expected {reason!r}"
PY
}

# Every member of the report the playbook reads, followed through its templates, is one the schema names.
case=reads_of_the_report
"$here/playbook_reads.py" "$playbook" >"$artefacts/$case.log" 2>&1 ||
    fail "the playbook reads members of the report that its schema does not name: $(cat "$artefacts/$case.log")"

case=all_created
copy_installation full
if ! run_playbook "$work/full/$bin_subdir/quorvane-check"; then
    fail "the playbook failed on a full installation:"
    cat "$artefacts/$case.log"
fi
expect_report "all created" ""
grep -q '"localhost: all 54 classes created"' "$artefacts/$case.log" || fail "the summary does not say all created"

case=module_removed
copy_installation broken
rm "$work/broken/$controls_subdir/mscomct2.so"
if run_playbook "$work/broken/$bin_subdir/quorvane-check"; then
    fail "the playbook succeeded with a module removed"
fi
expect_report "broken" "MSCOMCT2.OCX"
grep -q '"localhost: failed libraries: MSCOMCT2.OCX"' "$artefacts/$case.log" ||
    fail "the summary does not name MSCOMCT2.OCX"

case=module_crashes
copy_installation crashing
cp "$crashing_module" "$work/crashing/$controls_subdir/mscomct2.so"
if run_playbook "$work/crashing/$bin_subdir/quorvane-check"; then
    fail "the playbook succeeded with a module that crashes"
fi
expect_report "broken" "MSCOMCT2.OCX" "" "mscomct2\.so crashed with SIGSEGV while creating MSComCtl2\.\w+"

case=not_installed
if run_playbook "$work/nowhere/quorvane-check"; then
    fail "the playbook succeeded where quorvane-check is not installed"
fi
expect_report "no report" "" "$work/nowhere/quorvane-check"

if [ "$failures" -ne 0 ]; then
    echo "$failures failure(s); logs and reports in $artefacts"
    exit 1
fi
echo "playbook: all four cases as expected, each report to it as its schema says; reports in $artefacts"
