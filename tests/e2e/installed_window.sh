#!/usr/bin/env bash
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
assert_eq "${#desktop_entries[@]}" 2 'two desktop entries installed: the window and the workbench'
entry=$(grep -lx 'Exec=tessaly' "${desktop_entries[@]}") || fail 'no desktop entry runs tessaly'

started=$SECONDS
caption='Morvane【Tessaly】 JIS B 0401(1984)'

xv_start 1280x1024x24

# --- launching and looking ----------------------------------------------------------------------

# Starts the installed program, finds its window by the caption and waits for the frame to hold
# still; sets wid, x and y (the frame's corner).
launch() {
    start_program "$app"
    wid=$(wait_window "^Morvane【Tessaly】 JIS B 0401\\(1984\\)\$")
    read -r x y < <(settled_frame_position "$wid")
    xq xdotool windowactivate --sync "$wid" >/dev/null || fail "cannot activate the window"
}

key() {
    xq xdotool key --clearmodifiers "$@" || fail "xdotool key $*"
    sleep 0.1
}

# Moves the pointer to a point of the client area, and clicks there if asked.
point_at() { xq xdotool mousemove --window "$wid" "$1" "$2" || fail "cannot point at $1,$2"; }
click_at() {
    point_at "$1" "$2"
    xq xdotool click 1 || fail "cannot click at $1,$2"
}

launch
assert_eq "$(xq xprop -id "$wid" _NET_WM_NAME | sed 's/^[^"]*"//; s/"$//')" "$caption" \
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

# Where a person points: the middle of a control, from its designed place in twips (15 to a
# pixel) on its page; the pages stand 4 px right of and 24 px below the client area's corner
# under the menu bar.
centre() {
    local left=$1 top=$2 width=$3 height=$4
    echo "$((4 + (left + width / 2) / 15)) $((24 + menu_bar + (top + height / 2) / 15))"
}
read -r combo1_x combo1_y < <(centre 1440 3840 1335 345)
read -r combo2_x combo2_y < <(centre 2820 3840 765 345)
read -r text1_x text1_y < <(centre 3660 3540 795 300)
read -r text2_x text2_y < <(centre 3660 3885 795 300)
read -r caption1_x caption1_y < <(centre 1710 3555 765 195) # 呼び寸法, under Image1
read -r caption2_x caption2_y < <(centre 2940 3555 480 195) # クラス, under Image2
read -r combo3_x combo3_y < <(centre 1440 1380 1335 345)
read -r combo4_x combo4_y < <(centre 2820 1380 765 345)
read -r text3_x text3_y < <(centre 3630 1095 795 300)
read -r text4_x text4_y < <(centre 3630 1425 795 300)
read -r bare_x bare_y < <(centre 150 150 300 300) # the hole page's own surface

# --- picks and deviations -----------------------------------------------------------------------

# The lists' entries in order, as the installed companion lists them.
help=$("$cli" --help)
entries_of() { sed -n "s/^$1: //p" <<<"$help"; }
index_in() {
    local i=0 item
    for item in $1; do
        [ "$item" = "$2" ] && echo "$i" && return 0
        i=$((i + 1))
    done
    return 1
}

popups() { xdotool search --onlyvisible --classname '^tessaly$' 2>/dev/null | wc -l; }

# Clicks a list open, then in the open list goes to the first entry and down to the one wanted,
# and takes it with Return.
pick() {
    local list_x=$1 list_y=$2 items=$3 wanted=$4 before
    before=$(popups)
    click_at "$list_x" "$list_y"
    xv_retry "$XV_TIMEOUT" test "$(popups)" -gt "$before" || fail "the list did not open"
    key Home
    local n
    n=$(index_in "$items" "$wanted") || fail "'$wanted' is not among the entries"
    [ "$n" -eq 0 ] || key --repeat "$n" --delay 20 Down
    key Return
    xv_retry "$XV_TIMEOUT" test "$(popups)" -eq "$before" || fail "the list did not close"
    echo "ok - picked $wanted"
}

# The clipboard holds a token of this test until the program's copy replaces it, so that a read
# never mistakes an earlier copy for the new one. The xclip that serves the token ends as soon
# as it loses the selection.
clipboard() { xq xclip -o -selection clipboard 2>/dev/null; }
token_pid=
put_token() {
    for _ in 1 2 3; do
        printf 'e2e-token-%s' "$1" | xclip -quiet -selection clipboard -i >"$XV_TMP/xclip.log" 2>&1 &
        token_pid=$!
        xv_own "$token_pid"
        xv_retry 2 test "$(clipboard)" = "e2e-token-$1" && return 0
        # Taken over before it was read (the program asks for the clipboard's targets as its
        # owner changes); let this one go and offer the token again.
        xv_log "the clipboard holds '$(clipboard)' instead of token $1; offering it again"
        kill "$token_pid" 2>/dev/null || true
        drop_token
    done
    fail "xclip did not take the clipboard: it holds '$(clipboard)': $(cat "$XV_TMP/xclip.log")"
}
drop_token() {
    xv_retry "$XV_TIMEOUT" xv_gone "$token_pid" || fail "xclip kept the clipboard"
    wait "$token_pid" 2>/dev/null || true
    sed -i "/^$token_pid\$/d" "$XV_TMP/pids"
}

# A box's text as a person takes it: click into it, select all, copy. Sets copied.
reads=0
copied=
read_box() {
    reads=$((reads + 1))
    put_token "$reads"
    click_at "$1" "$2"
    key ctrl+a
    key ctrl+c
    xv_retry "$XV_TIMEOUT" test "$(clipboard)" != "e2e-token-$reads" ||
        fail "nothing was copied from the box at $1,$2"
    copied=$(clipboard)
    drop_token
}

expect() { "$cli" "$1" "$2" | sed -n "s/^$3: //p"; }

# Both boxes of a side against the table, for the class and range picked last.
check_boxes() {
    local class=$1 range=$2 upper_x=$3 upper_y=$4 lower_x=$5 lower_y=$6
    read_box "$upper_x" "$upper_y"
    assert_eq "$copied" "$(expect "$class" "$range" upper)" "$class $range: the upper box"
    read_box "$lower_x" "$lower_y"
    assert_eq "$copied" "$(expect "$class" "$range" lower)" "$class $range: the lower box"
}

ranges=$(entries_of 'Size ranges')
hole_classes=$(entries_of 'Hole classes')
shaft_classes=$(entries_of 'Shaft classes')

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

above() { has_state "$wid" _NET_WM_STATE_ABOVE; }
not_above() { ! above; }
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

# Drags the window by its title bar by dx, dy and sets x, y to where the frame then stands.
drag_by() {
    local from_x=$((x + 150)) from_y=$((y + 8))
    xq xdotool mousemove "$from_x" "$from_y" mousedown 1 || fail "cannot grab the title bar"
    for step in 1 2 3 4; do
        xq xdotool mousemove $((from_x + $1 * step / 4)) $((from_y + $2 * step / 4))
        sleep 0.05
    done
    xq xdotool mouseup 1
    local want="$((x + $1)) $((y + $2))"
    xv_retry "$XV_TIMEOUT" test "$(frame_position "$wid")" = "$want" ||
        fail "the drag left the frame at $(frame_position "$wid"), not $want"
    read -r x y <<<"$want"
}

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
