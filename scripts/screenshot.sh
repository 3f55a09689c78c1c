#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Redraws docs/screenshot.png, the picture in the README, after any change to the window: builds,
# runs the end-to-end suite on the installed program (which photographs the window with a fit
# picked and a hint in the status bar) and copies its picture into docs/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset dev >/dev/null
cmake --build --preset dev -j2 --target tessaly tessaly-cli >/dev/null
rm -f build/e2e/screenshot.png
ctest --preset dev -R '^e2e_installed_window$' >/dev/null || {
    echo "screenshot: the end-to-end suite failed; run: ctest --preset dev -R e2e -V" >&2
    exit 1
}
mkdir -p docs
cp build/e2e/screenshot.png docs/screenshot.png
echo "screenshot: docs/screenshot.png ($(identify -format '%wx%h' docs/screenshot.png))"
