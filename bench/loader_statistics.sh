#!/usr/bin/env bash
# Where the time goes before any of Quorvane's code runs: the dynamic loader's own figures for a process that
# loads the runtime and all 20 control library modules and ends normally (quorvane-check checking every
# library in one process, as each of its children does with its share), and the relocations each object
# carries. Relocation counts are exact; the loader's time is in cycles, the median of the runs.
#
#   bench/loader_statistics.sh PREFIX [RUNS]     (PREFIX: an installed tree, e.g. build/bench/installed)
set -euo pipefail

prefix=$1
runs=${2:-20}
check=$prefix/bin/quorvane-check
[[ -x $check ]] || { echo "loader_statistics: no installed quorvane-check under $prefix" >&2; exit 2; }
# The runtime library and the module folder the installed quorvane-check runs with, as its report names them
# (it ends with status 1 when a library fails, and still reports).
report=$(QT_QPA_PLATFORM=offscreen "$check" --json 2>/dev/null) || true
read -r runtime modules < <(python3 -c '
import json, sys
report = json.load(sys.stdin)
print(report["runtime"]["path"], report["moduleDirectory"])' <<<"$report") ||
    { echo "loader_statistics: quorvane-check under $prefix gave no report" >&2; exit 2; }
[[ -f $runtime && -d $modules ]] || { echo "loader_statistics: no runtime library or module folder under $prefix" >&2; exit 2; }

libraries=()
while read -r file module; do
    [[ $module == *.so ]] && libraries+=("--check-library=$file")
done < <("$check" --list-libraries)
# Each run's loader figures, then the median of each.
figures=$(mktemp)
trap 'rm -f "$figures"' EXIT
for _ in $(seq "$runs"); do
    QT_QPA_PLATFORM=offscreen LD_DEBUG=statistics "$check" "${libraries[@]}" 2>>"$figures" >/dev/null
done
python3 - "$figures" <<'PY'
import re, statistics, sys
figures = {}
for line in open(sys.argv[1]):
    m = re.match(r"\s*\d+:\s*(.+?):\s+(\d+)", line)
    if m:
        figures.setdefault(m.group(1).strip(), []).append(int(m.group(2)))
def median(key):
    return statistics.median(figures.get(key, [0]))
runs = len(figures.get("total startup time in dynamic loader", []))
print(f"loader, a process that loads all 20 modules ({runs} runs, medians):")
print(f"  time in the dynamic loader at start: {median('total startup time in dynamic loader') / 1e6:.1f} M cycles"
      f" ({median('time needed for relocation') / 1e6:.1f} M relocating,"
      f" {median('time needed to load objects') / 1e6:.1f} M loading)")
print(f"  relocations at start: {median('number of relocations'):.0f} symbolic,"
      f" {median('number of relative relocations'):.0f} relative;"
      f" symbolic by the end, modules loaded: {median('final number of relocations'):.0f}")
PY

# Relocation entries each object carries: symbolic ones (.rela.dyn less its relative part, and .rela.plt)
# and relative ones (in .rela.dyn, or packed into .relr.dyn words).
per_object() {
    python3 - "$1" "$2" <<'PY'
import re, subprocess, sys
path, name = sys.argv[1:]
sections = {m.group(1): int(m.group(2), 16) for m in re.finditer(
    r"\]\s+(\.\S+)\s+\S+\s+[0-9a-f]+\s+[0-9a-f]+\s+([0-9a-f]+)", subprocess.run(
        ["readelf", "-SW", path], capture_output=True, text=True, check=True).stdout)}
relative = sum(int(m.group(1)) for m in re.finditer(
    r"RELACOUNT\)\s+(\d+)", subprocess.run(["readelf", "-dW", path], capture_output=True, text=True).stdout))
symbolic = sections.get(".rela.dyn", 0) // 24 - relative + sections.get(".rela.plt", 0) // 24
print(f"{name} {symbolic} {relative} {sections.get('.relr.dyn', 0) // 8}")
PY
}
echo "relocation entries per object (symbolic, relative, packed relative words):"
{
    per_object "$check" quorvane-check
    per_object "$prefix/bin/Quorvane" Quorvane
    per_object "$runtime" "$(basename "$runtime")"
    for module in "$modules"/*.so; do per_object "$module" module; done |
        awk '{ s += $2; r += $3; w += $4 } END { print "all-20-modules", s, r, w }'
} | awk '{ printf "  %-26s %8d %8d %8d\n", $1, $2, $3, $4 }'
