#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Redraws the stack-up's pictures in docs/ on displays of their own, with docs/end-play.json open
# (a shaft's end play over two bearings 6204): docs/stack-light.png and docs/stack-dark.png (a
# dark gtk3 theme) on a 1280 × 1024 screen, docs/stack-200.png at 200 % and docs/stack-800x600.png
# on an 800 × 600 screen, each as the window opens there; in English docs/stack-light-en.png and
# docs/stack-800x600-en.png.
# Usage: scripts/stack_screenshots.sh [path/to/tessaly-stack]
set -euo pipefail
cd "$(dirname "$0")/.."
STACK=${1:-build/bin/tessaly-stack}
[ -x "$STACK" ] || {
    cmake --preset dev >/dev/null
    nice cmake --build --preset dev -j2 --target tessaly-stack >/dev/null
}
STACK=$(realpath "$STACK")
DOCS=$PWD/docs
# shellcheck source=../tests/xvfb/lib.sh
source tests/xvfb/lib.sh
export DBUS_SESSION_BUS_ADDRESS=disabled:
if [ -z "${STACK_SCREEN:-}" ]; then
    STACK_SCREEN="2560x1600 stack-200" "$0" "$STACK"
    STACK_SCREEN="800x600 stack-800x600" "$0" "$STACK"
fi
read -r screen only <<<"${STACK_SCREEN:-1280x1024}"
xv_start "${screen}x24"

photograph() { # name [environment words]
    rm -rf "$XDG_CONFIG_HOME"
    mkdir -p "$XDG_CONFIG_HOME"
    start_program env "${@:2}" "$STACK" "$DOCS/end-play.json"
    wid=$(wait_window 'Tessaly (公差の積み上げ|Tolerance Stack-up)$') # after the file's name
    xq xdotool windowactivate --sync "$wid" >/dev/null || fail "cannot activate the window"
    sleep 2 # the Monte Carlo run, then its paint
    cp "$(screenshot "$wid" "$1")" "$DOCS/$1.png"
    close_window "$wid"
    wait_program
    echo "stack_screenshots: docs/$1.png ($(identify -format '%wx%h' "$DOCS/$1.png"))"
}

case "${only:-}" in
stack-200) photograph stack-200 QT_SCALE_FACTOR=2 ;;
stack-800x600)
    photograph stack-800x600
    photograph stack-800x600-en TESSALY_LANGUAGE=en
    ;;
*)
    photograph stack-light
    photograph stack-light-en TESSALY_LANGUAGE=en
    photograph stack-dark QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark
    ;;
esac
