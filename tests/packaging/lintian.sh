#!/usr/bin/env bash
# lintian, Debian's own check of packages, over the three packages together: no error and no warning. What
# cannot be helped in a package that CPack builds is overridden in that package (its
# /usr/share/lintian/overrides file says why), and listed here as lintian shows it.
#
#   lintian.sh PACKAGE_DIR
set -euo pipefail
packages=$1
source "$(dirname "$0")/package_file.sh"
debs=()
for package in "${all_packages[@]}"; do
    debs+=("$(package_file "$packages" "$package")")
done

# Judged by the tags it prints: with the overridden ones shown, lintian's own status no longer says whether an
# error or a warning was found.
status=0
output=$(lintian --fail-on none --display-info --show-overrides "${debs[@]}" 2>&1) || status=$?
echo "$output"
tags=$(grep -E '^[EW]: ' <<<"$output" || true)
[[ $status -eq 0 && -z $tags ]] || fail "lintian ended with status $status and found:
${tags:-(no error or warning tag: see its output above)}"
echo "lintian: no error and no warning in ${all_packages[*]}"
