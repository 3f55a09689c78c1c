#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Redraws the workbench's pictures in docs/ on a display of its own: docs/fits-choose.png (35
# H7/g6: ★ on the commonly used pairs in the finder, the same fit in the other system, the odds),
# docs/fits-limits.png (a rolling bearing's bore 0/-0.009 as the hole, g6, size 20), and, on
# screens of their own, docs/fits-800x600.png and docs/fits-1366x768-125.png (H8/f7 at 35), and
# docs/fits-service-light.png, -dark.png and -200.png: 使用条件 open (H7/s6 at 50, S45C in S45C,
# hub 80, length 40, friction 0.15, 80 °C) in the desktop's light look, under a dark gtk3 theme
# and at 200 %.
# Usage: scripts/fits_screenshots.sh [path/to/tessaly-fits]
set -euo pipefail
cd "$(dirname "$0")/.."
FITS=${1:-build/bin/tessaly-fits}
[ -x "$FITS" ] || {
    cmake --preset dev >/dev/null
    nice cmake --build --preset dev -j2 --target tessaly-fits >/dev/null
}
FITS=$(realpath "$FITS")
DOCS=$PWD/docs
# shellcheck source=../tests/xvfb/lib.sh
source tests/xvfb/lib.sh
export DBUS_SESSION_BUS_ADDRESS=disabled:
# Small screens: the window as it opens there, each on a display of that size of its own.
if [ -z "${FITS_SCREEN:-}" ]; then
    FITS_SCREEN="800x600 fits-800x600" "$0" "$FITS"
    FITS_SCREEN="1366x768 fits-1366x768-125 1.25" "$0" "$FITS"
    FITS_SCREEN="2560x1600 service" "$0" "$FITS"
fi
read -r screen small scale <<<"${FITS_SCREEN:-1600x1200}"
xv_start "${screen}x24"
[ -z "${scale:-}" ] || export QT_SCALE_FACTOR=$scale

# The window as it stands, into docs/NAME.png, then closed.
take() { # name [size hole shaft, typed first]
    wid=$(wait_window '^Tessaly はめあい計算$')
    xq xdotool windowactivate --sync "$wid" >/dev/null || fail "cannot activate the window"
    [ -z "${2:-}" ] || type_fit "$2" "$3" "$4"
    sleep 1 # the finder's search, then its paint
    cp "$(screenshot "$wid" "$1")" "$DOCS/$1.png"
    close_window "$wid"
    wait_program
    echo "fits_screenshots: docs/$1.png ($(identify -format '%wx%h' "$DOCS/$1.png"))"
}

photograph() { # name size hole shaft
    rm -rf "$XDG_CONFIG_HOME"
    mkdir -p "$XDG_CONFIG_HOME"
    start_program "$FITS"
    take "$@"
}

# 使用条件 restored open from the store, as the workbench keeps it.
service_store=$'[inputs]\nsize=50\nhole=H7\nshaft=s6\nedition=0\n\n[service]\nopen=true\n'
service_store+=$'holeMaterial=S45C\nshaftMaterial=S45C\nholeCelsius=80\nhubOuter=80\njointLength=40\n'
service_store+=$'friction=0.15\n'
photograph_service() { # look [environment words]
    rm -rf "$XDG_CONFIG_HOME"
    mkdir -p "$XDG_CONFIG_HOME/Kelvan"
    printf '%s' "$service_store" >"$XDG_CONFIG_HOME/Kelvan/TessalyFits.ini"
    start_program env "${@:2}" "$FITS"
    take "fits-service-$1"
}

if [ "${small:-}" = service ]; then
    photograph_service light
    photograph_service dark QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark
    photograph_service 200 QT_SCALE_FACTOR=2
elif [ -n "${small:-}" ]; then
    photograph "$small" 35 H8 f7
else
    photograph fits-choose 35 H7 g6
    photograph fits-limits 20 0/-0.009 g6
fi
