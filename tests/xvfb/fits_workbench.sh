#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The fit workbench typed into as a person would, on a display of its own: the focus starts in the
# size, Tab goes to the hole class and then the shaft class, Ctrl+C copies the fit for a drawing
# (read back from the clipboard) and, with text selected, only that text; a close keeps the inputs
# in the workbench's own file and leaves Kelvan.ini as it was, byte for byte. In the desktop's
# light look, under a dark gtk3 theme and at 200 %; the screenshots are kept in $XV_SHOTS.
# SIGTERM, as at shutdown, keeps the window's size and the last complete inputs, never a bad
# size typed after them, and no inputs at all when none were complete. A save that is refused or
# fails says why in one line and leaves every file as it was.
# Usage: fits_workbench.sh path/to/tessaly-fits
source "$(dirname "$0")/lib.sh"
FITS=${1:?path of tessaly-fits}
SHOTS=${XV_SHOTS:-$XV_TMP/shots}
mkdir -p "$SHOTS"
command -v xclip >/dev/null || fail "'xclip' is missing; run scripts/install-deps.sh"
xv_start 2560x1600x24 # a 200 % screen of 1280 x 800 logical pixels

looks=(
    "light"
    "dark QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark"
    "200 QT_SCALE_FACTOR=2"
)
fit=$'φ35 H8 (+0.039/0)\nφ35 f7 (-0.025/-0.050)\nφ35 H8/f7 すきまばめ 最大すきま 0.089 最小すきま 0.025'
shared=$'[Form1_StrtUp]\nX1=2880\nY1=1215\n\n[Elsewhere]\nkey=value\n'
store=$XDG_CONFIG_HOME/Kelvan/TessalyFits.ini


for look in "${looks[@]}"; do
    read -r name vars <<<"$look"
    rm -rf "$XDG_CONFIG_HOME"
    mkdir -p "$XDG_CONFIG_HOME"
    printf '%s' "$shared" >"$XDG_CONFIG_HOME/Kelvan.ini"
    # shellcheck disable=SC2086 # the environment words are split on purpose
    start_program env $vars "$FITS"
    wid=$(wait_window '^Tessaly はめあい計算$')
    xq xdotool windowactivate --sync "$wid" >/dev/null || fail "cannot activate the window"
    type_fit 35 H8 f7
    key ctrl+c
    wait_until "$name: Ctrl+C in the shaft class copies the fit" test "$(clipboard)" = "$fit"
    key ctrl+a ctrl+c
    wait_until "$name: with its text selected it copies that text" test "$(clipboard)" = f7
    sleep 0.3
    cp "$(screenshot "$wid" "fits_$name")" "$SHOTS/fits_$name.png"
    close_window "$wid"
    wait_program
    assert_eq "$XV_EXIT" 0 "$name: the close box ends the workbench"
    assert_eq "$(sed -n '/^\[inputs\]/,/^\[window\]/s/^\(size\|hole\|shaft\)=//p' "$store" |
        tr '\n' ' ')" "H8 f7 35 " \
        "$name: the inputs kept in Kelvan/TessalyFits.ini"
    assert_eq "$(cat "$XDG_CONFIG_HOME/Kelvan.ini")" "${shared%$'\n'}" \
        "$name: Kelvan.ini untouched"
done

# SIGTERM: the size the window was given and the complete inputs; then, opened again with them,
# a bad size typed over them changes the size kept but not the inputs ("3" on the way to "3x5"
# makes a fit, and must not be kept either).
inputs_kept() { sed -n '/^\[inputs\]/,/^\[/s/^\(size\|hole\|shaft\)=//p' "$store" | tr '\n' ' '; }
rm -rf "$XDG_CONFIG_HOME"
mkdir -p "$XDG_CONFIG_HOME"
for run in "complete 1180x900" "bad 1100x850"; do
    read -r name window_size <<<"$run"
    start_program "$FITS"
    wid=$(wait_window '^Tessaly はめあい計算$')
    xq xdotool windowactivate --sync "$wid" >/dev/null || fail "cannot activate the window"
    xq xdotool windowsize --sync "$wid" "${window_size%x*}" "${window_size#*x}" ||
        fail "cannot size the window"
    if [ "$name" = complete ]; then
        type_fit 40 H7 p6
    else
        key ctrl+a
        type_text 3x5
    fi
    sleep 0.3
    kill -TERM "$XV_PROGRAM_PID"
    wait_program
    assert_eq "$XV_EXIT" 0 "$name: SIGTERM ends the workbench"
    assert_eq "$(sed -n '/^\[window\]/,/^\[/s/^size=//p' "$store")" "@Size(${window_size/x/ })" \
        "$name: SIGTERM kept the window's size"
    assert_eq "$(inputs_kept)" "H7 p6 40 " "$name: the inputs kept are the complete ones"
done

# A save that cannot be the workbench's alone, or cannot be made, says so in one line on stderr
# and writes nothing: TessalyFits.ini a link to Kelvan.ini (whose byte 0x01 0xFF a rewrite would
# change), the file made read-only, and a settings folder below a regular file.
save_refused() { # name, expected line
    start_program "$FITS"
    wid=$(wait_window '^Tessaly はめあい計算$')
    xq xdotool windowactivate --sync "$wid" >/dev/null || fail "cannot activate the window"
    type_fit 35 H8 f7
    close_window "$wid"
    wait_program
    assert_eq "$XV_EXIT" 0 "$1: the close box ends the workbench"
    assert_eq "$(cat "$XV_TMP/program.err")" "$2" "$1: one line on stderr names the file and why"
}
rm -rf "$XDG_CONFIG_HOME"
mkdir -p "$XDG_CONFIG_HOME/Kelvan"
printf '%s\x01\xff\n' "$shared" >"$XDG_CONFIG_HOME/Kelvan.ini"
cp "$XDG_CONFIG_HOME/Kelvan.ini" "$XV_TMP/Kelvan.ini.before"
ln -s ../Kelvan.ini "$store"
save_refused 'link to Kelvan.ini' "tessaly-fits: could not save the inputs to $store: it is \
$XDG_CONFIG_HOME/Kelvan.ini, which this program does not write"
assert_true 'link to Kelvan.ini: Kelvan.ini byte for byte as it was' \
    cmp -s "$XV_TMP/Kelvan.ini.before" "$XDG_CONFIG_HOME/Kelvan.ini"
assert_true 'link to Kelvan.ini: the link stays' test -L "$store"

rm "$store"
printf '[inputs]\nsize=12\n' >"$store"
chmod 0444 "$store"
save_refused 'read-only file' \
    "tessaly-fits: $store: the file is read-only, the inputs were not saved"
assert_eq "$(cat "$store")" $'[inputs]\nsize=12' 'read-only file: left as it was'

printf 'a file, not a folder\n' >"$XV_TMP/file"
XDG_CONFIG_HOME=$XV_TMP/file/sub save_refused 'unwritable store' "tessaly-fits: could not save the \
inputs to $XV_TMP/file/sub/Kelvan/TessalyFits.ini: its folder cannot be created: Not a directory"
