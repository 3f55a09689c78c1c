#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# From a fresh clone: install what is missing, build, and open the window; with --fits, the fit
# workbench instead, with --stack the tolerance stack-up (a chain file after it is opened).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset dev
if [ "${1:-}" = --fits ]; then
    cmake --build --preset dev -j"$(nproc)" --target tessaly-fits
    exec build/bin/tessaly-fits
fi
if [ "${1:-}" = --stack ]; then
    cmake --build --preset dev -j"$(nproc)" --target tessaly-stack
    exec build/bin/tessaly-stack "${@:2}"
fi
cmake --build --preset dev -j"$(nproc)" --target tessaly
exec build/bin/tessaly
