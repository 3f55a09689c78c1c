#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The installed program, used as a person would: nothing but the keyboard, the pointer, the
# clipboard and what the screen shows (xdotool, xclip, xwininfo, xprop, screenshots), no hook
# inside the program. Launch it and find its window by the caption; pick classes and ranges in
# the open lists with the keyboard and read the deviations back through the clipboard; point at
# the controls and watch the status bar; keep the window on top and let it go; open the about
# box; move the window and close it in each way, and see where it opens next.
#
# The expected deviations come from the installed tessaly-cli. A screenshot of the window from
# each run is kept as OUT_DIR/screenshot.png.
# Usage: installed_window.sh ROOT PREFIX OUT_DIR   (ROOT: the DESTDIR the build was installed to)
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../xvfb/lib.sh"
root=${1:?DESTDIR of the install} prefix=${2:?install prefix} out=${3:?folder for the screenshot}
for tool in xclip identify; do
    command -v "$tool" >/dev/null || fail "'$tool' is missing; run scripts/install-deps.sh"
done
app=$root$prefix/bin/tessaly
cli=$root$prefix/bin/tessaly-cli
desktop_entries=("$root$prefix"/share/applications/*.desktop)
assert_eq "${#desktop_entries[@]}" 3 'three desktop entries installed: the window, the workbench and the stack-up'
entry=$(grep -lx 'Exec=tessaly' "${desktop_entries[@]}") || fail 'no desktop entry runs tessaly'

started=$SECONDS
XV_APP=("$app")
XV_CLI=$cli

xv_start 1280x1024x24

launch
assert_eq "$(xq xprop -id "$wid" _NET_WM_NAME | sed 's/^[^"]*"//; s/"$//')" "$XV_CAPTION" \
    'the caption, character for character'
read -r client_w client_h < <(xq xwininfo -id "$wid" | awk '/Width:/ {w = $2} /Height:/ {h = $2}
    END {print w, h}')
# The designed 407 x 390 below the menu bar, which Qt draws 18 px high in the 9 pt design font.
assert_eq "$client_w x $client_h" "407 x 408" 'client area: 407 x 390 and the menu bar'
menu_bar=$((client_h - 390))
wm_class=$(xq xprop -id "$wid" WM_CLASS | sed 's/.*, "//; s/"$//')
assert_eq "$wm_class" "$(sed -n 's/^StartupWMClass=//p' "$entry")" \
    'the window class is the one the desktop entry names'
has_icon() {
    local icon
    icon=$(xq xprop -id "$wid" _NET_WM_ICON) || return 1
    [[ $icon == *"Icon ("* ]]
}
assert_true 'the window has an icon' has_icon

centre_controls
read -r caption1_x caption1_y < <(centre 1710 3555 765 195) # 呼び寸法, under Image1
read -r caption2_x caption2_y < <(centre 2940 3555 480 195) # クラス, under Image2
read -r bare_x bare_y < <(centre 150 150 300 300)           # the hole page's own surface

# --- picks and deviations -----------------------------------------------------------------------

read_lists
pick "$combo1_x" "$combo1_y" "$ranges" 30～40
pick "$combo2_x" "$combo2_y" "$hole_classes" H7
# The picture of the window: a fit picked, the pointer on the range list's caption.
point_at "$caption1_x" "$caption1_y"
sleep 0.3
mkdir -p "$out"
cp "$(screenshot "$wid" window)" "$out/screenshot.png"
check_boxes H7 30～40 "$text1_x" "$text1_y" "$text2_x" "$text2_y"
pick "$combo2_x" "$combo2_y" "$hole_classes" JS7
check_boxes JS7 30～40 "$text1_x" "$text1_y" "$text2_x" "$text2_y"

key ctrl+Tab
pick "$combo3_x" "$combo3_y" "$ranges" 100～120
pick "$combo4_x" "$combo4_y" "$shaft_classes" k6
check_boxes k6 100～120 "$text3_x" "$text3_y" "$text4_x" "$text4_y"
pick "$combo3_x" "$combo3_y" "$ranges" 315～355
pick "$combo4_x" "$combo4_y" "$shaft_classes" s6
check_boxes s6 315～355 "$text3_x" "$text3_y" "$text4_x" "$text4_y"

# Back on the hole page its boxes still show its last pick.
key ctrl+shift+Tab
check_boxes JS7 30～40 "$text1_x" "$text1_y" "$text2_x" "$text2_y"

# --- pointer hints --------------------------------------------------------------------------------

# The status bar cannot be read as text from outside, so its pixels are compared: the bare page
# leaves it blank, each area writes a hint of its own, and the same place always the same hint.
# hover X Y NAME points there and sets bar to a digest of the status bar's pixels (the picture
# stays as NAME.png among the logs).
bar=
hover() {
    local shot=$XV_TMP/status-$3
    point_at "$1" "$2"
    sleep 0.2
    xq xwd -silent -id "$wid" >"$shot.xwd" || fail "no screenshot"
    convert "xwd:$shot.xwd" -crop "407x21+0+$((client_h - 21))" +repage "$shot.png"
    rm -f "$shot.xwd"
    bar=$(convert "$shot.png" rgb:- | md5sum | cut -d' ' -f1)
}
hover "$bare_x" "$bare_y" blank
blank=$bar
hover "$caption1_x" "$caption1_y" range
range_hint=$bar
hover "$caption2_x" "$caption2_y" class
class_hint=$bar
hover "$text2_x" "$text2_y" text2
box_hint=$bar
assert_true 'the range area writes a hint' test "$range_hint" != "$blank"
assert_true 'the class area writes another' test "$class_hint" != "$range_hint" -a "$class_hint" != "$blank"
assert_true 'the lower box writes a third' test "$box_hint" != "$class_hint" -a "$box_hint" != "$range_hint" -a "$box_hint" != "$blank"
hover "$bare_x" "$bare_y" blank-again
assert_eq "$bar" "$blank" 'the bare page wipes the hint'
hover "$caption1_x" "$caption1_y" range-again
assert_eq "$bar" "$range_hint" 'the same area, the same hint'

# --- always on top, the about box -----------------------------------------------------------------

key F4
wait_until 'F4 keeps the window on top' above
key F5
wait_until 'F5 lets it go' not_above
key alt+v Right Return
wait_until 'View > 常に手前表示 > ON by the keyboard' above
key alt+v Right Down Return
wait_until 'and OFF' not_above

key alt+h Return
wait_window '^information$' >/dev/null
echo "ok - Alt+H, Return opens the about box"
key Escape
wait_until 'Esc closes the about box' test -z "$(xdotool search --onlyvisible --name '^information$' 2>/dev/null)"
assert_true 'the program runs on' kill -0 "$XV_PROGRAM_PID"

# --- where it opens again -------------------------------------------------------------------------

drag_by 200 150
kept="$x $y"
close_window "$wid"
wait_program
assert_eq "$XV_EXIT" 0 'Alt+F4 ends the program'
launch
assert_eq "$x $y" "$kept" 'after Alt+F4 it opens where it was moved'

drag_by 120 90
key Escape
wait_program
assert_eq "$XV_EXIT" 0 'Esc after a move ends the program'
launch
assert_eq "$x $y" "$kept" 'after Esc it opens at the old place'

drag_by -80 60
key alt+f Return
wait_program
assert_eq "$XV_EXIT" 0 'ﾌｧｲﾙ > 終了 by the keyboard ends the program'
launch
assert_eq "$x $y" "$kept" 'after 終了 too it opens at the old place'
close_window "$wid"
wait_program
assert_eq "$XV_EXIT" 0 'and ends again'

echo "ok - screenshot kept as $out/screenshot.png"
echo "e2e: $((SECONDS - started)) s"
