#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The window reopens exactly where the close box left it, over any number of runs and also partly
# off the screen; the quit commands save nothing; a place no screen shows is not used.
# A frame with only a sliver on the screen opens where its title bar can be grabbed. Run also on
# scaled screens (QT_SCALE_FACTOR or XV_XFT_DPI): the saved twips are then those of the desktop's
# device-independent pixels, and the window still holds its place over the cycles.
# Usage: saved_position.sh path/to/tessaly
source "$(dirname "$0")/lib.sh"
TESSALY=${1:?path of tessaly}
xv_start 1280x1024x24
ini=$XDG_CONFIG_HOME/Kelvan.ini

XV_APP=("$TESSALY")

close_and_wait() {
    close_window "$1"
    wait_program
    assert_eq "$XV_EXIT" 0 "$2"
}

quit_by_esc() {
    xq xdotool windowactivate --sync "$1" key Escape
    wait_program
    assert_eq "$XV_EXIT" 0 "$2"
}

# First launch: the design position near the primary screen's top-left corner, fully visible.
launch
dx=$x dy=$y
read -r w h < <(frame_size "$wid")
assert_true 'opens near the top-left corner' test "$dx" -ge 0 -a "$dx" -le "$(pixels_of 300)" \
    -a "$dy" -ge 0 -a "$dy" -le "$(pixels_of 600)"
assert_true 'the whole frame is on the screen' test $((dx + w)) -le 1280 -a $((dy + h)) -le 1024
close_and_wait "$wid" 'the close box ends the program'
assert_eq "$(pixels_of "$(ini_value Form1_StrtUp X1)") $(pixels_of "$(ini_value Form1_StrtUp Y1)")" \
    "$dx $dy" 'the close box saves both edges in twips'

# A stored position opens there, and open/close cycles do not drift, left of the screen as well.
for start in "3000 1500" "-1440 900"; do
    read -r x1 y1 <<<"$start"
    store_edges "$x1" "$y1"
    for cycle in 1 2 3 4 5; do
        launch
        assert_eq "$x $y" "$(pixels_of "$x1") $(pixels_of "$y1")" "cycle $cycle opens at X1=$x1 Y1=$y1"
        close_and_wait "$wid" "cycle $cycle ends"
        assert_eq "$(ini_value Form1_StrtUp X1) $(ini_value Form1_StrtUp Y1)" "$x1 $y1" \
            "cycle $cycle saves the same edges"
    done
done

# Only X1 stored: the left edge as stored, the top as designed.
printf '[Form1_StrtUp]\nX1=3000\n' >"$ini"
launch
assert_eq "$x $y" "$(pixels_of 3000) $dy" 'only X1 stored moves only the left edge'
quit_by_esc "$wid" 'Esc ends the program'

# Move, then Esc: the move is lost.
store_edges 3000 1500
launch
xq xdotool windowmove --sync "$wid" 420 330
read -r mx my < <(frame_position "$wid")
assert_true 'the window moved' test "$mx $my" != "$x $y"
quit_by_esc "$wid" 'Esc after a move ends the program'
assert_eq "$(ini_value Form1_StrtUp X1) $(ini_value Form1_StrtUp Y1)" "3000 1500" 'Esc saves nothing'
launch
assert_eq "$x $y" "$(pixels_of 3000) $(pixels_of 1500)" \
    'after Esc the window opens where the close box left it'

# Move, then close: the new place is saved and used.
xq xdotool windowmove --sync "$wid" 420 330
read -r mx my < <(frame_position "$wid")
close_and_wait "$wid" 'Alt+F4 after a move ends the program'
launch
assert_eq "$x $y" "$mx $my" 'after Alt+F4 the window opens where it was moved'
screenshot "$wid" moved >/dev/null
close_and_wait "$wid" 'ends again'

# A frame saved so that only a sliver of it shows, at the right edge or with its title bar above
# the top: it opens moved just so far that its title bar can be grabbed (100 of its width, its
# top 24 pixels), the other edge as saved. The figures are screen pixels, so at 100 % only.
if [ "$XV_SCALE" = 1 ]; then
    store_edges $(((1280 - 10) * 15)) 1500
    launch
    assert_eq "$x $y" "1180 100" 'a sliver at the right edge opens with 100 pixels of it on the screen'
    close_and_wait "$wid" 'ends from the right edge'
    store_edges 3000 -300
    launch
    assert_eq "$x $y" "200 0" 'a title bar above the top of the screen opens at the top'
    close_and_wait "$wid" 'ends from the top'
fi

# Moved to an odd pixel, then closed and reopened five times: the first reopening is as near as the
# scale lets a window be placed (on device-independent pixels, so within a device pixel at 150 %),
# and from there on it neither moves nor saves anything new.
launch
xq xdotool windowmove --sync "$wid" 421 331
read -r mx my < <(settled_frame_position "$wid")
close_and_wait "$wid" 'closes after a move to an odd pixel'
saved="$(ini_value Form1_StrtUp X1) $(ini_value Form1_StrtUp Y1)"
for cycle in 1 2 3 4 5; do
    launch
    if [ "$cycle" = 1 ]; then
        assert_true 'reopens within a device pixel of where it was closed' \
            test $(((x - mx) * (x - mx) + (y - my) * (y - my))) -le 2
        fx=$x fy=$y
    fi
    assert_eq "$x $y" "$fx $fy" "cycle $cycle after the move opens at the same place"
    close_and_wait "$wid" "cycle $cycle after the move ends"
    assert_eq "$(ini_value Form1_StrtUp X1) $(ini_value Form1_StrtUp Y1)" "$saved" \
        "cycle $cycle after the move saves the same edges"
done

# A place no screen shows (a monitor since unplugged) is not used: the window stays visible.
store_edges 200000 150000
launch
assert_eq "$x $y" "$dx $dy" 'a position off every screen opens at the design position'
close_and_wait "$wid" 'ends from the design position'
