#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The window as designed whatever the desktop: at 100 %, 150 % and 200 % and under a dark gtk3
# theme, every white box and list shows dark text on white and every caption over the drawing is
# dark, read back from the screen's pixels on both pages. The screenshots are kept in $XV_SHOTS.
# Usage: designed_look.sh path/to/tessaly
source "$(dirname "$0")/lib.sh"
TESSALY=${1:?path of tessaly}
SHOTS=${XV_SHOTS:-$XV_TMP/shots}
mkdir -p "$SHOTS"
xv_start 1280x1024x24

# name scale environment...
looks=(
    "100 1"
    "150 1.5 QT_SCALE_FACTOR=1.5"
    "200 2 QT_SCALE_FACTOR=2"
    "dark 1 QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark"
    "dark_150 1.5 QT_SCALE_FACTOR=1.5 QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark"
)

# What to read on each page, in the design's twips inside the page: name, left, top, width, height
# and whether it is a white box (the lists' arrows left out) or a caption over the drawing.
hole_page=(
    "Text1 3660 3540 795 300 box" "Text2 3660 3885 795 300 box"
    "Combo1 1440 3840 900 345 box" "Combo2 2820 3840 480 345 box"
    "Label5 2220 1440 1455 345 box"
    "Label1 4800 240 960 240 caption" "Label2 1710 3555 765 195 caption"
    "Label3 2520 1050 855 285 caption" "Label4 2940 3555 480 195 caption"
)
shaft_page=(
    "Text3 3630 1095 795 300 box" "Text4 3630 1425 795 300 box"
    "Combo3 1440 1380 900 345 box" "Combo4 2820 1380 480 345 box"
    "Label5 2280 3900 1455 345 box"
    "Label1 4800 240 960 240 caption" "Label2 1725 1095 765 195 caption"
    "Label3 2580 3540 855 285 caption" "Label4 2940 1095 480 195 caption"
)

# The grey levels of a rectangle of a PNG, one a line.
greys() {
    xq convert "$1" -crop "$2" +repage -colorspace Gray -depth 8 txt:- |
        awk -F'[()]' 'NR > 1 { split($2, v, ","); print v[1] }'
}

# Takes screenshots until two in a row differ in no more than the focused box's blinking cursor:
# the window has finished painting.
steady_screenshot() {
    local wid=$1 name=$2 differ
    screenshot "$wid" "$name" >/dev/null
    for _ in $(seq 30); do
        sleep 0.2
        mv "$XV_TMP/$name.png" "$XV_TMP/$name.last.png"
        screenshot "$wid" "$name" >/dev/null
        differ=$(xq compare -metric AE "$XV_TMP/$name.png" "$XV_TMP/$name.last.png" null: 2>&1) ||
            true
        [[ $differ =~ ^[0-9]+$ ]] && [ "$differ" -le 200 ] && return 0
    done
    fail "$name: the window never held still"
}

# The first column (or row) from $3 on along a line of the image that has the drawing's light
# grey: where the page begins.
first_grey() {
    local shot=$1 crop=$2
    greys "$shot" "$crop" | awk '$1 == 192 { print NR - 1; found = 1; exit } END { exit !found }'
}

check_page() {
    local shot=$1 scale=$2 look=$3 page_x=$4 page_y=$5
    shift 5
    local entry name l t w h kind x y pw ph dark white total
    for entry in "$@"; do
        read -r name l t w h kind <<<"$entry"
        # twips to device pixels, inset by two pixels past any border
        read -r x y pw ph < <(awk -v s="$scale" -v l="$l" -v t="$t" -v w="$w" -v h="$h" \
            -v px="$page_x" -v py="$page_y" 'function r(v) { return int(v + 0.5) }
            BEGIN { print px + r(l / 15 * s) + 2, py + r(t / 15 * s) + 2, r(w / 15 * s) - 4, r(h / 15 * s) - 4 }')
        read -r dark white total < <(greys "$shot" "${pw}x${ph}+${x}+${y}" |
            awk '{ n++ } $1 <= 64 { d++ } $1 >= 250 { w++ } END { print d + 0, w + 0, n + 0 }')
        # A digit or a kana at the designed sizes leaves well over ten dark pixels per scale step.
        local enough
        enough=$(awk -v s="$scale" 'BEGIN { print int(10 * s * s) }')
        assert_true "$look: $name shows dark text ($dark dark pixels)" test "$dark" -ge "$enough"
        if [ "$kind" = box ]; then
            assert_true "$look: $name is white behind its text ($white of $total)" \
                test $((white * 2)) -ge "$total"
        fi
    done
}

for look in "${looks[@]}"; do
    read -r name scale vars <<<"$look"
    # shellcheck disable=SC2086 # the environment words are split on purpose
    start_program env $vars "$TESSALY"
    wid=$(wait_window '^Morvane')
    settled_frame_position "$wid" >/dev/null
    steady_screenshot "$wid" "look_$name"
    shot=$XV_TMP/look_$name.png
    cp "$shot" "$SHOTS/look_$name.png"

    # Where the client area sits in the frame's screenshot, then where the page begins in it:
    # the first light-grey pixel down a column and along a row just inside the page.
    read -r fx fy < <(frame_position "$wid")
    info=$(xq xwininfo -id "$wid")
    cx=$(($(awk '/Absolute upper-left X:/ {print $4}' <<<"$info") - fx))
    cy=$(($(awk '/Absolute upper-left Y:/ {print $4}' <<<"$info") - fy))
    column=$(awk -v s="$scale" -v c="$cx" 'BEGIN { print c + int(20 * s) }')
    page_y=$((cy + $(first_grey "$shot" "1x400+${column}+${cy}"))) ||
        fail "$name: no page found"
    row=$(awk -v s="$scale" -v p="$page_y" 'BEGIN { print p + int(5 * s) }')
    page_x=$((cx + $(first_grey "$shot" "100x1+${cx}+${row}"))) || fail "$name: no page found"

    check_page "$shot" "$scale" "$name hole page" "$page_x" "$page_y" "${hole_page[@]}"
    xq xdotool windowactivate --sync "$wid" key ctrl+Tab
    steady_screenshot "$wid" "look_${name}_shaft"
    cp "$XV_TMP/look_${name}_shaft.png" "$SHOTS/look_${name}_shaft.png"
    check_page "$XV_TMP/look_${name}_shaft.png" "$scale" "$name shaft page" "$page_x" "$page_y" \
        "${shaft_page[@]}"

    close_window "$wid"
    wait_program
    assert_eq "$XV_EXIT" 0 "$name: the close box ends the program"
done
