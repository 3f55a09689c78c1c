#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the build into a fresh folder as a packager would: `cmake --install` with DESTDIR and a
# prefix. The tests that follow read and run what lands there.
# Usage: stage.sh BUILD_DIR DESTDIR PREFIX
set -euo pipefail
build=${1:?build folder} destdir=${2:?staging folder} prefix=${3:?install prefix}
rm -rf "$destdir"
DESTDIR=$destdir cmake --install "$build" --prefix "$prefix" >/dev/null
