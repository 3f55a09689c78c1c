#!/usr/bin/env bash
# From a fresh clone: install what is missing, then build and test three ways, each in a build
# folder of its own:
#   dev   (build/)       every test: unit, widget, real-window, the soak, valgrind memcheck
#   asan  (build-asan/)  every test again under AddressSanitizer and UndefinedBehaviorSanitizer,
#                        but the packaging ones, which are about the release build
#   fuzz  (build-fuzz/)  each libFuzzer target for FUZZ_SECONDS (default 45) from its seeds
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

echo "test.sh: dev, asan and fuzz passed in $((SECONDS - start)) s"
