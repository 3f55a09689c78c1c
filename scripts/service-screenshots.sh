#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Redraws docs/fits-service-light.png, -dark.png and -200.png: the workbench with 使用条件 open
# (H7/s6 at 50, S45C in S45C, hub 80, length 40, friction 0.15, 80 °C), on a display of its own,
# in the desktop's light look, under a dark gtk3 theme and at 200 %. Build tessaly-fits first.
# Usage: scripts/service-screenshots.sh [path/to/tessaly-fits]
cd "$(dirname "$0")/.."
FITS=$(realpath "${1:-build/bin/tessaly-fits}")
DOCS=$PWD/docs
source tests/xvfb/lib.sh
xv_start 2560x1600x24

looks=(
    "light"
    "dark QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark"
    "200 QT_SCALE_FACTOR=2"
)
store=$'[inputs]\nsize=50\nhole=H7\nshaft=s6\nedition=0\n\n[service]\nopen=true\n'
store+=$'holeMaterial=S45C\nshaftMaterial=S45C\nholeCelsius=80\nhubOuter=80\njointLength=40\n'
store+=$'friction=0.15\n'

for look in "${looks[@]}"; do
    read -r name vars <<<"$look"
    rm -rf "$XDG_CONFIG_HOME"
    mkdir -p "$XDG_CONFIG_HOME/Kelvan"
    printf '%s' "$store" >"$XDG_CONFIG_HOME/Kelvan/TessalyFits.ini"
    # shellcheck disable=SC2086 # the environment words are split on purpose
    start_program env $vars "$FITS"
    wid=$(wait_window '^Tessaly はめあい計算$')
    sleep 1
    cp "$(screenshot "$wid" "service_$name")" "$DOCS/fits-service-$name.png"
    echo "service-screenshots: docs/fits-service-$name.png ($(identify -format '%wx%h' \
        "$DOCS/fits-service-$name.png"))"
    close_window "$wid"
    wait_program
done
