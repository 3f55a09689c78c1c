#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# From a fresh clone: install what is missing, then build and test three ways, each in a build
# folder of its own:
#   dev   (build/)       every test: unit, widget, real-window, the soak, valgrind memcheck
#   asan  (build-asan/)  every test again under AddressSanitizer and UndefinedBehaviorSanitizer,
#                        but the packaging ones, which are about the release build
#   fuzz  (build-fuzz/)  each libFuzzer target for FUZZ_SECONDS (default 45) from its seeds
#   windows (build-windows/) the Windows zip, cross-compiled, and its programs under Wine
#                        (scripts/test-windows.sh; the first run on a machine builds Qt for
#                        Windows, about 25 minutes)
# Any failure stops the run with a non-zero status.
set -euo pipefail
cd "$(dirname "$0")/.."
start=$SECONDS
jobs=$(nproc)
stage() { echo "== $* ($((SECONDS - start)) s in)"; }

scripts/install-deps.sh

stage "dev: build and test"
cmake --preset dev
cmake --build --preset dev -j"$jobs"
ctest --preset dev -j"$jobs"

stage "asan: build and test under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset asan
cmake --build --preset asan -j"$jobs"
ctest --preset asan -j"$jobs"

stage "fuzz: build and run the libFuzzer targets"
scripts/fuzz.sh "${FUZZ_SECONDS:-45}"

stage "windows: the zip and its programs under Wine"
scripts/test-windows.sh

echo "test.sh: dev, asan, fuzz and windows passed in $((SECONDS - start)) s"
