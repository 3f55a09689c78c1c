#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# From a fresh clone: install what is missing, build, and open the window.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset dev
cmake --build --preset dev -j"$(nproc)" --target tessaly
exec build/bin/tessaly
