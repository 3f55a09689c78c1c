#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real window under Xvfb and openbox, driven by xdotool: F4 keeps the window above another
# application's window, in place and on the same native window; F5 and the about item return it
# to ordinary stacking; Esc closes the about box alone, and then ends the program.
#
# Usage: on_top_and_about.sh path/to/tessaly
source "$(dirname "$0")/lib.sh"
app=${1:?usage: $0 path/to/tessaly}

pass() { echo "ok - $*"; }

# Retries a command until it succeeds, for at most $1 seconds.
wait_for() {
    local seconds=$1
    shift
    xv_retry "$seconds" "$@"
}

# --- display, window manager, program -------------------------------------------------------

xv_start 1280x1024x24
start_program "$app"
program=$XV_PROGRAM_PID
main=$(wait_window '^Morvane')
xq xdotool windowactivate --sync "$main" || fail "cannot activate the main window"

# --- what can be read of a window -------------------------------------------------------------

hex() { printf '0x%x' "$1"; }

state_of() { xprop -id "$1" _NET_WM_STATE 2>/dev/null; }

is_above() {
    local state
    state=$(state_of "$1")
    [[ $state == *_NET_WM_STATE_ABOVE* ]]
}

upper_left() {
    local info
    info=$(xwininfo -id "$1") || return 1
    awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x "," y}' \
        <<<"$info"
}

# True when window $1 lies higher than window $2 in the window manager's stacking order.
stacked_above() {
    local list top bottom
    list=$(xprop -root _NET_CLIENT_LIST_STACKING) || return 1
    list=${list#*# }
    list=" ${list//, /  } "
    top=$(hex "$1")
    bottom=$(hex "$2")
    [[ $list == *" $bottom "*" $top "* ]]
}

program_windows() {
    xdotool search --onlyvisible --name '^Morvane' 2>/dev/null
}


# --- F4: above the others, in place ----------------------------------------------------------

place=$(upper_left "$main") || fail "no geometry for the main window"
xev -id "$main" -event structure >"$XV_TMP/xev.log" 2>&1 &
xev=$!
xv_own "$xev"
sleep 0.2

# F4 reaches the item also with the focus in a list, where a combo box could take it for itself.
key Tab
key F4
wait_for 5 is_above "$main" || fail "F4 did not set _NET_WM_STATE_ABOVE: $(state_of "$main")"
[ "$(upper_left "$main")" = "$place" ] || fail "F4 moved the window: $place -> $(upper_left "$main")"
[ "$(program_windows)" = "$main" ] || fail "F4 changed the window id: $(program_windows)"
pass "F4 sets _NET_WM_STATE_ABOVE on window $(hex "$main") at $place"

# Another application's window over ours, then activated.
x=${place%,*}
y=${place#*,}
xlogo -geometry "200x200+$((x + 60))+$((y + 60))" >/dev/null 2>&1 &
xv_own $!
logo=$(timeout 10 xdotool search --sync --onlyvisible --class '^xlogo$' | head -n1)
[ -n "$logo" ] || fail "xlogo did not appear"
timeout 10 xdotool windowactivate --sync "$logo" || fail "cannot activate xlogo"
[ "$(xdotool getactivewindow)" = "$logo" ] || fail "xlogo is not the active window"
wait_for 2 stacked_above "$main" "$logo" ||
    fail "the window fell below the activated xlogo: $(xprop -root _NET_CLIENT_LIST_STACKING)"
sleep 0.3
stacked_above "$main" "$logo" || fail "the window did not stay above the activated xlogo"
pass "stays above the activated xlogo"

# --- F5: ordinary stacking again --------------------------------------------------------------

timeout 10 xdotool windowactivate --sync "$main" || fail "cannot activate the main window"
key F5
wait_for 5 sh -c "! xprop -id $main _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE" ||
    fail "F5 left _NET_WM_STATE_ABOVE: $(state_of "$main")"
[ "$(upper_left "$main")" = "$place" ] || fail "F5 moved the window"
timeout 10 xdotool windowactivate --sync "$logo" || fail "cannot activate xlogo"
wait_for 2 stacked_above "$logo" "$main" || fail "xlogo activated after F5 stayed below the window"
pass "F5 clears it: the activated xlogo comes above"

kill "$xev" 2>/dev/null
if grep -Eq 'UnmapNotify|DestroyNotify|ReparentNotify' "$XV_TMP/xev.log"; then
    fail "the window was unmapped or re-created: $(grep -E 'Unmap|Destroy|Reparent' "$XV_TMP/xev.log")"
fi
pass "never unmapped, destroyed or reparented while switching"

# --- ON, then the about box -------------------------------------------------------------------

timeout 10 xdotool windowactivate --sync "$main" || fail "cannot activate the main window"
key F4
wait_for 5 is_above "$main" || fail "F4 did not set _NET_WM_STATE_ABOVE again"
key alt+h
key Return
box=$(timeout 10 xdotool search --sync --onlyvisible --name '^information$' | head -n1)
[ -n "$box" ] || fail "the about box did not open"
is_above "$main" && fail "the about item left the window on top"
transient=$(xprop -id "$box" WM_TRANSIENT_FOR)
[[ $transient == *"$(hex "$main")" ]] || fail "the box does not belong to the window: $transient"
[[ $(state_of "$box") == *_NET_WM_STATE_MODAL* ]] || fail "the box is not modal: $(state_of "$box")"
# Motif hints: flags, functions. Minimize (0x8) and maximize (0x10) are not offered.
read -r _ functions _ < <(xprop -id "$box" _MOTIF_WM_HINTS | tr -d ',' | awk '{print $3, $4}')
((functions & 0x18)) && fail "the box offers minimize or maximize: functions $functions"
# Centred on the screen, frame included.
read -r cx cy cw ch < <(xwininfo -id "$box" | awk '/Absolute upper-left X/ {x=$NF}
    /Absolute upper-left Y/ {y=$NF} /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}')
read -r left right top bottom < <(xprop -id "$box" _NET_FRAME_EXTENTS | tr -d ',' |
    awk '{print $3, $4, $5, $6}')
read -r sw sh < <(xwininfo -root | awk '/Width:/ {w=$NF} /Height:/ {h=$NF} END {print w, h}')
fx=$((cx - left)) fy=$((cy - top)) fw=$((cw + left + right)) fh=$((ch + top + bottom))
dx=$((2 * fx + fw - sw))
dy=$((2 * fy + fh - sh))
((dx * dx <= 16 && dy * dy <= 16)) || fail "the box is not centred: frame $fw x $fh at $fx,$fy"
pass "about box: modal, transient for the window, no minimize or maximize, centred"

# Esc closes only the box.
key Escape
wait_for 5 sh -c "! xdotool search --onlyvisible --name '^information\$' >/dev/null" ||
    fail "Esc did not close the about box"
sleep 0.3
kill -0 "$program" 2>/dev/null || fail "Esc in the about box ended the program"
is_above "$main" && fail "the window is on top again after the about box"
timeout 10 xdotool windowactivate --sync "$logo" || fail "cannot activate xlogo"
wait_for 2 stacked_above "$logo" "$main" || fail "after the about box the window still stays on top"
pass "Esc closes the box; the program runs on in ordinary stacking"

# --- Esc in the window ends the program -------------------------------------------------------

timeout 10 xdotool windowactivate --sync "$main" || fail "cannot activate the main window"
key Escape
wait_program 5
status=$XV_EXIT
[ "$status" -eq 0 ] || fail "the program ended with status $status"
pass "Esc ends the program with status 0"
