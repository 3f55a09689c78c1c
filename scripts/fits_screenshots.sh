#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Redraws the workbench's pictures in docs/, each screen on a display of its own, the window as it
# first opens there: on 1280 x 1024, 1920 x 1080, 1366 x 768 at 125 %, 1024 x 576 and 800 x 600,
# H7/s6 at 50 with 使用条件 folded and open (S45C in S45C, hub 80, length 40, friction 0.15,
# 80 °C), in the desktop's light look and under a dark gtk3 theme:
# docs/fits-<screen>[-service]-<light|dark>.png; in English on every screen,
# docs/fits-<screen>[-service]-light-en.png (and docs/fits-1280x1024-dark-en.png); the same at
# 200 % (docs/fits-200.png, docs/fits-service-200.png, docs/fits-200-en.png); and docs/fits-choose.png (35 H7/g6: ★ on the commonly used pairs in
# the finder, the same fit in the other system, the odds) and docs/fits-limits.png (a rolling
# bearing's bore 0/-0.009 as the hole, g6, size 20), typed in; and at 800 x 600, light and dark,
# the 軸受 page with 6206 typed in, turning with its inner ring, put in as the hole
# (docs/fits-bearing-800x600-<light|dark>.png).
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
if [ -z "${FITS_SCREEN:-}" ]; then
    for screen in "1280x1024 1280x1024" "1920x1080 1920x1080" "1366x768 1366x768-125 1.25" \
        "1024x576 1024x576" "800x600 800x600" "2560x1600 200 2" "1600x1200 typed"; do
        FITS_SCREEN=$screen "$0" "$FITS"
    done
    exit 0
fi
read -r screen name scale <<<"$FITS_SCREEN"
xv_start "${screen}x24"
[ -z "${scale:-}" ] || export QT_SCALE_FACTOR=$scale

# The window as it stands, into docs/NAME.png, then closed.
take() { # name [size hole shaft, typed first]
    wid=$(wait_window '^Tessaly ') # はめあい計算, or Fits in English
    xq xdotool windowactivate --sync "$wid" >/dev/null || fail "cannot activate the window"
    [ -z "${2:-}" ] || type_fit "$2" "$3" "$4"
    sleep 1 # the finder's search, then its paint
    cp "$(screenshot "$wid" "$1")" "$DOCS/$1.png"
    close_window "$wid"
    wait_program
    echo "fits_screenshots: docs/$1.png ($(identify -format '%wx%h' "$DOCS/$1.png"))"
}

# A first start after a session that left H7/s6 at 50 and 使用条件 open or folded.
kept() { # open: true or false
    printf '[inputs]\nsize=50\nhole=H7\nshaft=s6\nedition=0\n\n[service]\nopen=%s\n' "$1"
    printf 'holeMaterial=S45C\nshaftMaterial=S45C\nholeCelsius=80\nhubOuter=80\njointLength=40\n'
    printf 'friction=0.15\n'
}
photograph() { # name open [environment words]
    rm -rf "$XDG_CONFIG_HOME"
    mkdir -p "$XDG_CONFIG_HOME/Kelvan"
    kept "$2" >"$XDG_CONFIG_HOME/Kelvan/TessalyFits.ini"
    start_program env "${@:3}" "$FITS"
    take "$1"
}
typed() { # name size hole shaft
    rm -rf "$XDG_CONFIG_HOME"
    mkdir -p "$XDG_CONFIG_HOME"
    start_program "$FITS"
    take "$@"
}

dark=(QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark)
# A first start with the 軸受 page open: 6206 typed, the inner ring's load case chosen, then put
# in as a side, all with the keyboard.
bearing() { # name [environment words]
    rm -rf "$XDG_CONFIG_HOME"
    mkdir -p "$XDG_CONFIG_HOME/Kelvan"
    printf '[tools]\npage=2\n' >"$XDG_CONFIG_HOME/Kelvan/TessalyFits.ini"
    start_program env "${@:2}" "$FITS"
    wid=$(wait_window '^Tessaly はめあい計算$')
    xq xdotool windowactivate --sync "$wid" >/dev/null || fail "cannot activate the window"
    key alt+y
    type_text 6206
    key Tab Tab Tab Down Tab Tab space
    take "$1"
}
case $name in
typed)
    typed fits-choose 35 H7 g6
    typed fits-limits 20 0/-0.009 g6
    ;;
200)
    photograph fits-200 false
    photograph fits-service-200 true
    photograph fits-200-en false TESSALY_LANGUAGE=en
    ;;
*)
    photograph "fits-$name-light" false
    photograph "fits-$name-service-light" true
    photograph "fits-$name-dark" false "${dark[@]}"
    photograph "fits-$name-service-dark" true "${dark[@]}"
    [ "$name" != 800x600 ] || {
        bearing fits-bearing-800x600-light
        bearing fits-bearing-800x600-dark "${dark[@]}"
    }
    # In English, whose words are longer, on every screen.
    photograph "fits-$name-light-en" false TESSALY_LANGUAGE=en
    photograph "fits-$name-service-light-en" true TESSALY_LANGUAGE=en
    [ "$name" != 1280x1024 ] || photograph "fits-$name-dark-en" false TESSALY_LANGUAGE=en "${dark[@]}"
    ;;
esac
