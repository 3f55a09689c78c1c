#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The workbench's frame, title bar and grip included, inside the screen where it first opens on a
# screen of 800 x 600 and of 1024 x 576, and where it was left when it opens again: the same place
# and size to the pixel, first reopen included, also after the window manager has moved it.
# Usage: fits_frame.sh path/to/tessaly-fits
source "$(dirname "$0")/lib.sh"
FITS=${1:?path of tessaly-fits}
export DBUS_SESSION_BUS_ADDRESS=disabled:
screen=${XV_FITS_SCREEN:-800x600}
xv_start "${screen}x24"
read -r screen_w screen_h <<<"${screen/x/ }"

opened() { # sets wid, x, y, w, h: the frame once it holds still
    start_program "$FITS"
    wid=$(wait_window '^Tessaly はめあい計算$')
    read -r x y < <(settled_frame_position "$wid")
    read -r w h < <(frame_size "$wid")
}
inside() { [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le "$screen_w" ] && [ $((y + h)) -le "$screen_h" ]; }
closed() {
    close_window "$wid"
    wait_program
    assert_eq "$XV_EXIT" 0 "$1: the close box ends the workbench"
}

opened
first="$x $y $w $h"
assert_true "first start on $screen: the frame $first inside the screen" inside
closed 'first start'
opened
assert_eq "$x $y $w $h" "$first" "reopened: the frame where it was left"
read -r x y < <(move_window "$wid" 1 1)
moved="$x $y $w $h"
closed 'moved'
opened
assert_eq "$x $y $w $h" "$moved" "reopened after a move: the frame where it was left"
assert_true "reopened: the frame inside the screen" inside
closed 'reopened'
