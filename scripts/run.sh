#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# From a fresh clone: install what is missing, build, and open the window; with --fits, the fit
# workbench instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset dev
if [ "${1:-}" = --fits ]; then
    cmake --build --preset dev -j"$(nproc)" --target tessaly-fits
    exec build/bin/tessaly-fits
fi
cmake --build --preset dev -j"$(nproc)" --target tessaly
exec build/bin/tessaly
