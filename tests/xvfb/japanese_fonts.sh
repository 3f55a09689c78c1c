#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The window's Japanese text on machines without IPAPGothic. With the fonts of most Linux
# desktops (DejaVu and Noto Sans CJK JP) every character of a tab caption is drawn as its own
# glyph, not as the missing-glyph box, and nothing is said on stderr; with no Japanese font at all
# the window still opens and one line on stderr names the font to install. Keeps a picture of the
# window under the first font set as noto_only.png in $TMPDIR.
#
# Usage: japanese_fonts.sh path/to/tessaly noto-only.conf no-japanese.conf
source "$(dirname "$0")/lib.sh"
app=${1:?usage: $0 path/to/tessaly noto-only.conf no-japanese.conf}
noto_only=${2:?fontconfig file of DejaVu and Noto Sans CJK}
no_japanese=${3:?fontconfig file of DejaVu alone}
export DBUS_SESSION_BUS_ADDRESS=disabled: # no session bus may outlive the test

xv_start 1280x1024x24

# Photographs the client window until two pictures in a row are the same, so the first frames
# drawn while the lists fill are not taken for the window.
settled_picture() {
    local last="" sum
    for _ in $(seq 50); do
        xq xwd -silent -id "$1" >"$XV_TMP/client.xwd" || fail "no picture of window $1"
        sum=$(md5sum <"$XV_TMP/client.xwd")
        [ "$sum" = "$last" ] && break
        last=$sum
        sleep 0.1
    done
    xq convert "xwd:$XV_TMP/client.xwd" "$XV_TMP/$2.png"
    echo "$XV_TMP/$2.png"
}

# "runs distinct most" of the text in one strip of a picture (crop geometry WxH+X+Y): the runs of
# columns holding dark ink, how many different images they make, and how often the commonest
# image repeats. Missing-glyph boxes all look alike: a caption drawn with them has few images,
# and one of them over and over.
glyph_images() {
    convert "$1" -crop "$2" +repage -strip -colorspace Gray -compress none pgm:- |
        tr -s '[:space:]' '\n' | awk '
            NR == 2 { w = $1 } NR == 3 { h = $1 } NR <= 4 { next }
            { i = NR - 5; if ($1 < 96) ink[i % w, int(i / w)] = 1 }
            END {
                for (x = 0; x <= w; x++) {
                    column = ""
                    for (y = 0; y < h; y++) column = column (((x, y) in ink) ? "#" : ".")
                    if (x < w && index(column, "#")) { glyph = glyph column "|"; continue }
                    if (glyph != "") {
                        runs++
                        if (!(glyph in seen)) distinct++
                        if (++seen[glyph] > most) most = seen[glyph]
                    }
                    glyph = ""
                }
                print runs + 0, distinct + 0, most + 0
            }'
}

# Checks the menu bar and the first tab's caption in a picture of the client window.
assert_no_missing_glyphs() {
    local picture=$1 width height menu_height runs distinct most
    width=$(identify -format '%w' "$picture")
    height=$(identify -format '%h' "$picture")
    # The client area (369 px, the tab strip of 22 px at its top) and the status bar (21 px) lie
    # below the menu bar, whatever the menu bar's height.
    menu_height=$((height - 390))
    # ﾌｧｲﾙ(F) 表示(V) ﾍﾙﾌﾟ(H): the parentheses come three times, ﾌ and ﾙ twice.
    read -r runs distinct most < <(glyph_images "$picture" "$((width / 2))x$menu_height+0+0")
    assert_true "menu titles: $distinct glyph images in $runs runs, none more than $most times" \
        test "$distinct" -ge 10 -a "$most" -le 3
    # 常用するはめあいの寸法（穴）: fourteen different characters, some drawn in two strokes apart.
    read -r runs distinct most < <(glyph_images "$picture" \
        "$((width / 2 - 6))x18+3+$((menu_height + 2))")
    assert_true "tab caption: $distinct glyph images in $runs runs of ink" \
        test "$distinct" -ge 12 -a "$most" -le 2
}

# --- the fonts of most Linux desktops: Noto Sans CJK JP stands in ---------------------------

FONTCONFIG_FILE=$noto_only start_program "$app"
wid=$(wait_window '^Morvane')
settled_frame_position "$wid" >/dev/null
picture=$(settled_picture "$wid" noto_only)
cp "$picture" "${TMPDIR:-/tmp}/noto_only.png"
assert_no_missing_glyphs "$picture"
close_window "$wid"
wait_program
assert_eq "$XV_EXIT" 0 'the close box ends the program'
assert_eq "$(cat "$XV_TMP/program.err")" '' 'a family that covers the window: nothing on stderr'

# --- no Japanese font at all: the window opens and says what to install, once ---------------

FONTCONFIG_FILE=$no_japanese start_program "$app"
wid=$(wait_window '^Morvane')
close_window "$wid"
wait_program
assert_eq "$XV_EXIT" 0 'without a Japanese font the window opens and closes as usual'
assert_eq "$(grep -c . "$XV_TMP/program.err")" 1 'one line on stderr'
assert_true 'it names the package to install' grep -q 'fonts-ipafont-gothic' "$XV_TMP/program.err"
