#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows build under Wine, on a display of its own (Xvfb and openbox, as the real-window
# tests): the window opens with the design's start-up values, keyboard picks on both pages show
# what the core holds (read back through the clipboard against the Linux companion), F4 and F5 keep
# it on top and let it go (_NET_WM_STATE), a close saves the position into the registry as texts
# and the next launch opens there, Esc saves nothing, the end of a session saves as a close does;
# the window loads exactly the DLLs of its folder; tessaly-cli.exe prints the bytes the Linux build prints;
# tessaly-fits.exe takes a size and two classes typed and copies the fit, and keeps them in the registry;
# tessaly-stack.exe takes a member typed in and keeps the chain in the registry, and
# tessaly-cli.exe --stack answers a chain file as the Linux build does.
# Usage: wine_window.sh DIR LINUX_CLI OUT
#   DIR        the unpacked zip (tessaly.exe, tessaly-cli.exe, tessaly-fits.exe, tessaly-stack.exe,
#              the DLLs)
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
XV_APP=(wine "$dir/tessaly.exe")
XV_CLI=$cli
XV_KEY_PAUSE=0.2
XV_LIST_CLASS='^tessaly\.exe$' # Wine names every window of the program after its .exe
XV_LIST_SEEN=maybe
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

# --- the window as it opens -----------------------------------------------------------------------

# The first launch in a fresh prefix also builds Wine's font cache: up to a minute and more.
launch 180
assert_eq "$(xq xprop -id "$wid" _NET_WM_NAME | sed 's/^[^"]*"//; s/"$//')" "$XV_CAPTION" \
    'the caption, character for character'
read -r client_w client_h < <(xq xwininfo -id "$wid" | awk '/Width:/ {w = $2} /Height:/ {h = $2}
    END {print w, h}')
assert_eq "$client_w" 407 'the client area is 407 px wide as designed'
menu_bar=$((client_h - 390))
assert_true "a menu bar above the designed 390 px (${menu_bar} px)" test "$menu_bar" -ge 15 -a "$menu_bar" -le 30

centre_controls
read_lists
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

key F4
wait_until 'F4 keeps the window on top' above
key F5
wait_until 'F5 lets it go' not_above

# --- where it opens again -----------------------------------------------------------------------

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

# Every DLL shipped is loaded by the window, but the print support only the workbench and the
# stack-up print with, and no DLL is loaded from anywhere but the folder or Wine's own.
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
printing=qt6printsupport.dll
shipped=$(cd "$dir" && find . -iname '*.dll' | sed 's|^\./||' | tr '[:upper:]' '[:lower:]' |
    grep -vxF "$printing" | sort)
from_folder=$(grep -F "$folder/" <<<"$loaded" | sed "s|^$folder/||" | sort || true)
assert_eq "$from_folder" "$shipped" "the window loads every DLL shipped but $printing"
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
start_program env WINEDEBUG=+loaddll wine "$dir/tessaly-fits.exe"
wid=$(wait_window '^Tessaly はめあい計算$' 120)
xq xdotool windowactivate --sync "$wid" >/dev/null || fail "cannot activate the workbench"
type_fit 35 H8 f7
key ctrl+c
wait_until 'tessaly-fits.exe: Ctrl+C after a typed size and two classes copies the fit' copied_fit
cp "$(screenshot "$wid" fits)" "$out/wine-fits-screenshot.png"
close_window "$wid"
wait_program "$XV_TIMEOUT"
assert_eq "$XV_EXIT" 0 'Alt+F4 ends the workbench'
prints_from_folder() {
    tr -d '\r' <"$XV_TMP/program.err" | sed -n 's/.*Loaded L"\([^"]*\.[dD][lL][lL]\)".*: native$/\1/p' |
        as_path | grep -qxF "$folder/$printing"
}
assert_true "the workbench loads $printing from the folder" prints_from_folder
kept_inputs() {
    wine reg query "$fits_key" 2>/dev/null | tr -d '\r' |
        awk '$1 == "hole" || $1 == "shaft" || $1 == "size" {print $1 "=" $3}' | sort | tr '\n' ' '
}
assert_eq "$(kept_inputs)" "hole=H8 shaft=f7 size=35 " "the inputs kept under $fits_key"

# --- the stack-up --------------------------------------------------------------------------------

chain=$XV_TMP/end-play.json
printf '%s\n' '{"members": [{"name": "housing", "direction": "+", "nominal": 62, "tolerance": "H8"},' \
    '{"name": "spacer", "direction": "-", "nominal": 61.6, "tolerance": "h9"}],' \
    '"requirement": "0.1..0.5"}' >"$chain"
stack_same() {
    local linux windows
    linux=$("$cli" --stack "$chain" "$@" | md5sum)
    windows=$(wine "$dir/tessaly-cli.exe" --stack "$(winepath -w "$chain")" "$@" | md5sum)
    [ "$linux" = "$windows" ]
}
assert_true 'tessaly-cli.exe --stack answers the chain file with the Linux bytes' stack_same
assert_true 'and as JSON' stack_same --format json --samples 20000

stack_key='HKCU\Software\Kelvan\TessalyStack\chain\members\1'
start_program wine "$dir/tessaly-stack.exe"
wid=$(wait_window 'Tessaly 公差の積み上げ$' 120)
xq xdotool windowactivate --sync "$wid" >/dev/null || fail "cannot activate the stack-up"
key ctrl+plus
for cell in ring + 10; do
    type_text "$cell"
    key Tab
done
type_text h7
key Return
sleep 0.5
cp "$(screenshot "$wid" stack)" "$out/wine-stack-screenshot.png"
close_window "$wid"
wait_program "$XV_TIMEOUT"
assert_eq "$XV_EXIT" 0 'Alt+F4 ends the stack-up'
kept_member() {
    wine reg query "$stack_key" 2>/dev/null | tr -d '\r' |
        awk '$1 == "name" || $1 == "nominal" || $1 == "tolerance" {print $1 "=" $3}' | sort |
        tr '\n' ' '
}
assert_eq "$(kept_member)" "name=ring nominal=10 tolerance=h7 " "the member kept under $stack_key"

echo "ok - screenshots kept as $out/wine-screenshot.png, wine-fits-screenshot.png and" \
    "wine-stack-screenshot.png"
echo "wine: $((SECONDS - started)) s"
