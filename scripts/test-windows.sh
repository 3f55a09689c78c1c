#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows build and its tests under Wine. Builds Qt for Windows when this machine has none
# cached yet (about 25 minutes on 2 cores), then the zip, unpacks it into build-windows/ and drives
# the programs there under Wine on a display of its own (tests/windows/wine_window.sh). The
# expected values come from the Linux companion of the dev build, built here if missing.
# Prints the time of each stage; any failure stops the run with a non-zero status.
set -euo pipefail
cd "$(dirname "$0")/.."
start=$SECONDS
last=$SECONDS
stage() {
    echo "== windows: $* ($((SECONDS - start)) s in, last stage $((SECONDS - last)) s)"
    last=$SECONDS
}

scripts/install-deps.sh --windows

stage "Qt for Windows (cached after the first build)"
scripts/build-qt-windows.sh >/dev/null
stage "the zip"
zip=$(scripts/build-windows.sh | tail -n1)

stage "unpacking $(basename "$zip") ($(du -k "$zip" | cut -f1) KB)"
unpacked=build-windows/unpacked
rm -rf "$unpacked"
mkdir -p "$unpacked"
(cd "$unpacked" && cmake -E tar xf "$zip")
cli=build/bin/tessaly-cli
if [ ! -x "$cli" ]; then
    cmake --preset dev >/dev/null
    cmake --build --preset dev --target tessaly-cli
fi

stage "the programs under Wine"
TMPDIR=$PWD/build-windows bash tests/windows/wine_window.sh \
    "$unpacked/$(basename "$zip" .zip)" "$cli" build-windows
stage "done"
echo "test-windows: passed in $((SECONDS - start)) s"
