#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The stack-up window with the keyboard alone, on a display of its own: five members added with
# Ctrl++ and typed in cell by cell (Tab between cells, Return to end a row), a requirement typed
# after its access key, the chain saved with Ctrl+S through the file dialog (the file then reads
# as the same chain on the command line), a new chain begun with Ctrl+N and the file opened again
# with Ctrl+O; the close keeps the reopened chain and its file in the window's own store. Real
# keys through the X server and the window manager, the file dialogs as a user meets them, the
# title the window manager shows, and not a line on stderr (a title without a file once made Qt
# warn there at every change).
# Usage: stack_window.sh path/to/tessaly-stack path/to/tessaly-cli
source "$(dirname "$0")/lib.sh"
STACK=${1:?path of tessaly-stack}
CLI=${2:?path of tessaly-cli}
xv_start
store=$XDG_CONFIG_HOME/Kelvan/TessalyStack.ini
file=$XV_TMP/end-play.json

launch_stack() {
    start_program "$STACK"
    wid=$(wait_window 'Tessaly 公差の積み上げ$')
    xq xdotool windowactivate --sync "$wid" >/dev/null || fail "cannot activate the window"
}
title() { xq xdotool getwindowname "$wid"; }
member() { # name direction nominal tolerance
    key ctrl+plus
    type_text "$1"
    key Tab
    type_text "$2"
    key Tab
    type_text "$3"
    key Tab
    type_text "$4"
    key Return
}
# The dialog's file name field has the focus: the whole path, then Return.
in_dialog() {
    local dialog
    dialog=$(wait_window "$1")
    xq xdotool windowactivate --sync "$dialog" >/dev/null || fail "cannot activate '$1'"
    key ctrl+a
    type_text "$file"
    key Return
    wait_until "the dialog '$1' closes" xv_window_gone "$dialog"
}

launch_stack
member housing + 62 H8
member 'bearing 1' - 15 0/-0.12
member spacer - 30 h9
member 'bearing 2' - 15 0/-0.12
member circlip - 1.6 0/-0.06
key alt+r
type_text 0.1..0.7
key ctrl+s
in_dialog '名前を付けて保存'
wait_until 'Ctrl+S wrote the chain' test -s "$file"
assert_eq "$("$CLI" --stack "$file" --samples 0 | head -3 | tr '\n' ' ')" \
    "nominal: 0.400 worst_case_maximum: 0.798 worst_case_minimum: 0.400 " \
    'the saved chain answers on the command line as typed'
wait_until 'the title names the file' test "$(title)" = 'end-play.json - Tessaly 公差の積み上げ'

key ctrl+n
wait_until 'Ctrl+N begins a new chain (saved: nothing to ask)' test "$(title)" = 'Tessaly 公差の積み上げ'
key ctrl+o
in_dialog '積み上げを開く'
wait_until 'Ctrl+O opens the file again' test "$(title)" = 'end-play.json - Tessaly 公差の積み上げ'
# Still the keyboard's: a member added after the reopened five goes to the end of the table.
key ctrl+End
member washer - 0.5 ±0.02
wait_until 'a change marks the title' test "$(title)" = 'end-play.json* - Tessaly 公差の積み上げ'
cp "$(screenshot "$wid" stack)" "${XV_SHOTS:-$XV_TMP}/stack_keyboard.png" 2>/dev/null || true
close_window "$wid"
wait_program
assert_eq "$XV_EXIT" 0 'the close box ends the window'
assert_eq "$(sed -n 's/^members\\\([0-9]*\)\\name=//p' "$store" | tr '\n' ',')" \
    'housing,bearing 1,spacer,bearing 2,circlip,washer,' 'the reopened chain and the new member kept'
assert_eq "$(sed -n 's/^\(file\|modified\|requirement\)=//p' "$store" | tr '\n' ' ')" \
    "$file true 0.1..0.7 " 'kept with its file, changed since, and its requirement'
assert_eq "$(cat "$XV_TMP/program.err")" '' 'nothing said on stderr'
