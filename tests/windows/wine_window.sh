#!/usr/bin/env bash
# The Windows build under Wine, on a display of its own (Xvfb and openbox, as the real-window
# tests): the window opens with the design's start-up values, keyboard picks on both pages show
# what the core holds (read back through the clipboard against the Linux companion), F4 and F5 keep
# it on top and let it go (_NET_WM_STATE), a close saves the position into the registry as texts
# and the next launch opens there, Esc saves nothing, the end of a session saves as a close does;
# the window loads exactly the DLLs of its folder; tessaly-cli.exe prints the bytes the Linux build prints;
# tessaly-fits.exe takes a size and two classes typed and copies the fit, and keeps them in the registry.
# Usage: wine_window.sh DIR LINUX_CLI OUT
#   DIR        the unpacked zip (tessaly.exe, tessaly-cli.exe, tessaly-fits.exe, the DLLs)
#   LINUX_CLI  the Linux tessaly-cli, for the expected values
#   OUT        folder for the Wine prefix and the screenshot (wine-screenshot.png)
here=$(cd "$(dirname "$0")" && pwd)
XV_TIMEOUT=${XV_TIMEOUT:-30} # Wine's first start of a program takes seconds
# shellcheck source=tests/xvfb/lib.sh
source "$here/../xvfb/lib.sh"
dir=$(cd "${1:?folder of tessaly.exe}" && pwd)
cli=${2:?the Linux tessaly-cli}
out=$(mkdir -p "${3:?output folder}" && cd "$3" && pwd)
for tool in wine wineserver xclip; do
    command -v "$tool" >/dev/null || fail "'$tool' is missing; run scripts/install-deps.sh --windows"
done
started=$SECONDS
caption='Morvane【Tessaly】 JIS B 0401(1984)'
key_path='HKCU\Software\Kelvan\Form1_StrtUp'

xv_start 1280x1024x24
# The Windows Qt has its own platform plugin; the display's variables are what Wine needs.
unset QT_QPA_PLATFORM
export WINEPREFIX=$out/wineprefix WINEDEBUG=-all WINEARCH=win64
# No Mono or Gecko installers: their dialogs would wait for a click.
export WINEDLLOVERRIDES='mscoree=d;mshtml=d'
# One server for this prefix, started here so the exit trap ends it and every Wine process.
wineserver --foreground --persistent >"$XV_TMP/wineserver.log" 2>&1 &
xv_own $!
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wine wineboot --init >"$XV_TMP/wineboot.log" 2>&1 || fail "wineboot --init: $(cat "$XV_TMP/wineboot.log")"
    echo "ok - a Wine prefix of its own ($((SECONDS - started)) s)"
fi
wine reg delete 'HKCU\Software\Kelvan' /f >/dev/null 2>&1 || true

# The value of X1 or Y1 as `wine reg query` prints it: "REG_SZ 2880"; empty when absent.
reg_value() {
    wine reg query "$key_path" /v "$1" 2>/dev/null | tr -d '\r' |
        awk -v key="$1" '$1 == key {print $2, $3}'
}

# The first launch in a fresh prefix also builds Wine's font cache: up to a minute and more.
launch() {
    start_program wine "$dir/tessaly.exe"
    wid=$(wait_window "^Morvane【Tessaly】 JIS B 0401\\(1984\\)\$" "${1:-$XV_TIMEOUT}")
    read -r x y < <(settled_frame_position "$wid")
    xq xdotool windowactivate --sync "$wid" >/dev/null || fail "cannot activate the window"
}

key() {
    xq xdotool key --clearmodifiers "$@" || fail "xdotool key $*"
    sleep 0.2
}
point_at() { xq xdotool mousemove --window "$wid" "$1" "$2" || fail "cannot point at $1,$2"; }
click_at() {
    point_at "$1" "$2"
    xq xdotool click 1 || fail "cannot click at $1,$2"
}

# --- the window as it opens -----------------------------------------------------------------------

launch 180
assert_eq "$(xq xprop -id "$wid" _NET_WM_NAME | sed 's/^[^"]*"//; s/"$//')" "$caption" \
    'the caption, character for character'
read -r client_w client_h < <(xq xwininfo -id "$wid" | awk '/Width:/ {w = $2} /Height:/ {h = $2}
    END {print w, h}')
assert_eq "$client_w" 407 'the client area is 407 px wide as designed'
menu_bar=$((client_h - 390))
assert_true "a menu bar above the designed 390 px (${menu_bar} px)" test "$menu_bar" -ge 15 -a "$menu_bar" -le 30

# The middle of a control from its designed place in twips on its page; the pages stand 4 px right
# of and 24 px below the client area's corner under the menu bar.
centre() {
    local left=$1 top=$2 width=$3 height=$4
    echo "$((4 + (left + width / 2) / 15)) $((24 + menu_bar + (top + height / 2) / 15))"
}
read -r combo1_x combo1_y < <(centre 1440 3840 1335 345)
read -r combo2_x combo2_y < <(centre 2820 3840 765 345)
read -r text1_x text1_y < <(centre 3660 3540 795 300)
read -r text2_x text2_y < <(centre 3660 3885 795 300)
read -r combo3_x combo3_y < <(centre 1440 1380 1335 345)
read -r combo4_x combo4_y < <(centre 2820 1380 765 345)
read -r text3_x text3_y < <(centre 3630 1095 795 300)
read -r text4_x text4_y < <(centre 3630 1425 795 300)

# The clipboard holds a token until the program's copy replaces it, so that a read never takes an
# earlier copy for the new one.
clipboard() { xq xclip -o -selection clipboard 2>/dev/null; }
reads=0
copied=
read_box() {
    local token_pid
    reads=$((reads + 1))
    local offered=
    for _ in 1 2 3; do
        printf 'wine-token-%s' "$reads" | xclip -quiet -selection clipboard -i >/dev/null 2>&1 &
        token_pid=$!
        xv_own "$token_pid"
        if xv_retry 5 test "$(clipboard)" = "wine-token-$reads"; then
            offered=1
            break
        fi
        # Taken over before it was read (the program asks for the clipboard's targets as its
        # owner changes): let this one go and offer the token again.
        xv_log "the clipboard holds '$(clipboard)' instead of token $reads; offering it again"
        kill "$token_pid" 2>/dev/null || true
        wait "$token_pid" 2>/dev/null || true
    done
    [ -n "$offered" ] || fail "xclip did not take the clipboard: it holds '$(clipboard)'"
    click_at "$1" "$2"
    key ctrl+a
    key ctrl+c
    xv_retry "$XV_TIMEOUT" test "$(clipboard)" != "wine-token-$reads" ||
        fail "nothing was copied from the box at $1,$2"
    copied=$(clipboard)
    kill "$token_pid" 2>/dev/null || true
    wait "$token_pid" 2>/dev/null || true
    sed -i "/^$token_pid\$/d" "$XV_TMP/pids"
}

expect() { "$cli" "$1" "$2" | sed -n "s/^$3: //p"; }
check_boxes() {
    local class=$1 range=$2 upper_x=$3 upper_y=$4 lower_x=$5 lower_y=$6
    read_box "$upper_x" "$upper_y"
    assert_eq "$copied" "$(expect "$class" "$range" upper)" "$class $range: the upper box"
    read_box "$lower_x" "$lower_y"
    assert_eq "$copied" "$(expect "$class" "$range" lower)" "$class $range: the lower box"
}

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
ranges=$(entries_of 'Size ranges')
hole_classes=$(entries_of 'Hole classes')
shaft_classes=$(entries_of 'Shaft classes')

# Wine names every window of the program after its .exe, the open list's too.
windows_of_program() { xdotool search --onlyvisible --classname '^tessaly\.exe$' 2>/dev/null | wc -l; }

# Clicks a list open, goes to its first entry and down to the one wanted, takes it with Return.
# The boxes read afterwards tell whether the pick took.
pick() {
    local list_x=$1 list_y=$2 items=$3 wanted=$4 n before
    n=$(index_in "$items" "$wanted") || fail "'$wanted' is not among the entries"
    before=$(windows_of_program)
    click_at "$list_x" "$list_y"
    xv_retry 5 test "$(windows_of_program)" -gt "$before" || xv_log "no window for the open list seen"
    key Home
    [ "$n" -eq 0 ] || key --repeat "$n" --delay 30 Down
    key Return
    xv_retry 5 test "$(windows_of_program)" -le "$before" || fail "the list did not close"
    echo "ok - picked $wanted"
}

first_range=${ranges%% *}
first_hole=${hole_classes%% *}
first_shaft=${shaft_classes%% *}
check_boxes "$first_hole" "$first_range" "$text1_x" "$text1_y" "$text2_x" "$text2_y"
key ctrl+Tab
check_boxes "$first_shaft" "$first_range" "$text3_x" "$text3_y" "$text4_x" "$text4_y"

pick "$combo3_x" "$combo3_y" "$ranges" 100～120
pick "$combo4_x" "$combo4_y" "$shaft_classes" k6
check_boxes k6 100～120 "$text3_x" "$text3_y" "$text4_x" "$text4_y"
key ctrl+shift+Tab
pick "$combo1_x" "$combo1_y" "$ranges" 30～40
pick "$combo2_x" "$combo2_y" "$hole_classes" H7
check_boxes H7 30～40 "$text1_x" "$text1_y" "$text2_x" "$text2_y"
pick "$combo2_x" "$combo2_y" "$hole_classes" JS7
check_boxes JS7 30～40 "$text1_x" "$text1_y" "$text2_x" "$text2_y"
point_at "$combo1_x" "$((combo1_y - 20))"
sleep 0.3
cp "$(screenshot "$wid" window)" "$out/wine-screenshot.png"

# --- always on top ------------------------------------------------------------------------------

above() { has_state "$wid" _NET_WM_STATE_ABOVE; }
not_above() { ! above; }
key F4
wait_until 'F4 keeps the window on top' above
key F5
wait_until 'F5 lets it go' not_above

# --- where it opens again -----------------------------------------------------------------------

# Drags the window by its title bar by dx, dy and sets x, y to where the frame then stands.
drag_by() {
    local from_x=$((x + 150)) from_y=$((y + 8)) step
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
    sleep 0.3
}

# Within Wine's own idea of the frame, which can sit a few pixels from openbox's.
near() { # TWIPS PIXELS
    local d=$(($1 - $2 * 15))
    [ "${d#-}" -le 45 ]
}
saved_near_frame() {
    local saved_x saved_y
    read -r _ saved_x < <(reg_value X1)
    read -r _ saved_y < <(reg_value Y1)
    near "$saved_x" "$x" && near "$saved_y" "$y"
}

drag_by 200 150
kept="$x $y"
close_window "$wid"
wait_program "$XV_TIMEOUT"
assert_eq "$XV_EXIT" 0 'Alt+F4 ends the program'
assert_eq "$(reg_value X1 | cut -d' ' -f1) $(reg_value Y1 | cut -d' ' -f1)" "REG_SZ REG_SZ" \
    "the close saved X1 and Y1 as texts under $key_path"
assert_true "the saved edges are where the frame stood ($(reg_value X1), $(reg_value Y1))" saved_near_frame
saved="$(reg_value X1) $(reg_value Y1)"

launch
assert_eq "$x $y" "$kept" 'the next launch opens where it was closed'
drag_by 120 90
key Escape
wait_program "$XV_TIMEOUT"
assert_eq "$XV_EXIT" 0 'Esc ends the program'
assert_eq "$(reg_value X1) $(reg_value Y1)" "$saved" 'Esc saved nothing'

# A log-off: Wine ends the session as Windows does, with WM_QUERYENDSESSION and WM_ENDSESSION.
launch
assert_eq "$x $y" "$kept" 'after Esc it opens at the old place'
drag_by -80 60
wine wineboot --end-session >"$XV_TMP/end-session.log" 2>&1 || true
wait_program "$XV_TIMEOUT"
assert_true "the end of the session saved the new place ($(reg_value X1), $(reg_value Y1))" saved_near_frame

# --- exactly the DLLs of the folder -------------------------------------------------------------

# Every DLL shipped is loaded by the window, and no DLL is loaded from anywhere but the folder or
# Wine's own.
start_program env WINEDEBUG=+loaddll wine "$dir/tessaly.exe"
wid=$(wait_window '^Morvane')
close_window "$wid"
wait_program "$XV_TIMEOUT"
# Wine's trace names each module as L"Z:\\path\\name.dll" (escaped backslashes); compared
# here as lower-case paths with slashes.
as_path() { sed 's/\\\\/\//g; s/\\/\//g' | tr '[:upper:]' '[:lower:]'; }
folder=$(winepath -w "$dir" 2>/dev/null | tr -d '\r' | as_path)
loaded=$(tr -d '\r' <"$XV_TMP/program.err" | sed -n 's/.*Loaded L"\([^"]*\.[dD][lL][lL]\)".*: native$/\1/p' |
    as_path | sort -u)
shipped=$(cd "$dir" && find . -iname '*.dll' | sed 's|^\./||' | tr '[:upper:]' '[:lower:]' | sort)
from_folder=$(grep -F "$folder/" <<<"$loaded" | sed "s|^$folder/||" | sort || true)
assert_eq "$from_folder" "$shipped" 'the window loads every DLL shipped'
assert_eq "$(grep -vF "$folder/" <<<"$loaded" || true)" "" 'and no other native DLL'

# --- the companion ------------------------------------------------------------------------------

same_output() {
    local linux windows
    linux=$("$cli" "$@" | md5sum)
    windows=$(wine "$dir/tessaly-cli.exe" "$@" | md5sum)
    [ "$linux" = "$windows" ]
}
assert_true 'tessaly-cli.exe H7/g6 35 prints the Linux bytes' same_output H7/g6 35
assert_true 'tessaly-cli.exe h7 30～40 too' same_output h7 30～40
assert_true 'tessaly-cli.exe --table too' same_output --table

# --- the fit workbench ---------------------------------------------------------------------------

# Typed as a designer types it, size, Tab, hole, Tab, shaft; Ctrl+C copies the fit for a drawing.
# Windows keeps the lines apart with CR LF; Wine hands them to X11 with LF alone.
fit=$'φ35 H8 (+0.039/0)\nφ35 f7 (-0.025/-0.050)\nφ35 H8/f7 すきまばめ 最大すきま 0.089 最小すきま 0.025'
copied_fit() { [ "$(clipboard | tr -d '\r')" = "$fit" ]; }
fits_key='HKCU\Software\Kelvan\TessalyFits\inputs'
start_program wine "$dir/tessaly-fits.exe"
wid=$(wait_window '^Tessaly はめあい計算$' 120)
xq xdotool windowactivate --sync "$wid" >/dev/null || fail "cannot activate the workbench"
typed() {
    xq xdotool type --delay 50 "$1" || fail "xdotool type $1"
    sleep 0.2
}
typed 35
key Tab
typed H8
key Tab
typed f7
key ctrl+c
wait_until 'tessaly-fits.exe: Ctrl+C after a typed size and two classes copies the fit' copied_fit
cp "$(screenshot "$wid" fits)" "$out/wine-fits-screenshot.png"
close_window "$wid"
wait_program "$XV_TIMEOUT"
assert_eq "$XV_EXIT" 0 'Alt+F4 ends the workbench'
kept_inputs() {
    wine reg query "$fits_key" 2>/dev/null | tr -d '\r' |
        awk '$1 == "hole" || $1 == "shaft" || $1 == "size" {print $1 "=" $3}' | sort | tr '\n' ' '
}
assert_eq "$(kept_inputs)" "hole=H8 shaft=f7 size=35 " "the inputs kept under $fits_key"

echo "ok - screenshots kept as $out/wine-screenshot.png and wine-fits-screenshot.png"
echo "wine: $((SECONDS - started)) s"
