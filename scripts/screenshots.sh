#!/usr/bin/env bash
# Makes the README's pictures of the two windows from the real program: the main window as it starts, the
# showcase window with every control, and the main window after "Close Form". The windows are built by the
# runtime as in a real run and grabbed offscreen, from the repository's root so the file lists show its files.
#
#   scripts/screenshots.sh            (writes docs/screenshots/*.png; commit them with the change they show)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUORVANE_WERROR=ON >/dev/null
cmake --build build/test --target grab_windows

shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
build/test/tests/grab_windows "$shots" >/dev/null
mkdir -p docs/screenshots
cp "$shots/main-start.png" docs/screenshots/main-window.png
cp "$shots/showcase.png" docs/screenshots/showcase-window.png
cp "$shots/main-after-close-form.png" docs/screenshots/main-window-after-close-form.png
ls -1 docs/screenshots/*.png
