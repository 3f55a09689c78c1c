#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The harness itself, against a program that is always there: a window asked for at +300+200 is
# found, its frame stands there, its state and a screenshot are read, and a test that ends, well,
# badly or killed outright, leaves none of its processes running.
# Usage: tst_harness.sh /usr/bin/xlogo
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
program=${1:?path of xlogo}
command -v "$program" >/dev/null || fail "'$program' is missing; run scripts/install-deps.sh"
outer_display=${DISPLAY:-}

xv_start 1280x1024x24
assert_true "display $DISPLAY is not the session's" test "$DISPLAY" != "$outer_display"
assert_eq "$(xwininfo -root | awk '/geometry/ {print $2}')" 1280x1024+0+0 'screen size as asked'

start_program "$program" -geometry 200x150+300+200
wid=$(wait_window '^xlogo$')
read -r x y < <(frame_position "$wid")
assert_eq "$x $y" "300 200" 'frame stands where the geometry asked'
read -r w h < <(frame_size "$wid")
assert_true "frame ($w x $h) encloses the 200x150 client" test "$w" -gt 200 -a "$h" -gt 150
assert_true 'the frame is the parent of the client' test "$(frame_of "$wid")" != "$wid"
state=$(window_state "$wid")
assert_true "not hidden ('$state')" test "${state/_NET_WM_STATE_HIDDEN/}" = "$state"

shot=$(screenshot "$wid" xlogo)
assert_eq "$(identify -format '%wx%h' "$shot")" "${w}x${h}" 'screenshot has the size of the frame'
colours=$(identify -format '%k' "$shot")
assert_true "screenshot is not blank ($colours colours)" test "$colours" -gt 1

xq xdotool windowminimize --sync "$wid"
wait_until 'minimized window is hidden' has_state "$wid" _NET_WM_STATE_HIDDEN
xq xdotool windowactivate --sync "$wid"
wait_until 'restored window is shown' test -z "$(window_state "$wid")"

close_window "$wid"
wait_program "$XV_TIMEOUT"
assert_eq "$XV_EXIT" 0 'program ends after a close request'

start_program bash -c 'exit 3'
wait_program "$XV_TIMEOUT"
assert_eq "$XV_EXIT" 3 "the program's exit code is collected"

# A nested test that records what it started, then ends: "pass", "fail", or "killed" (SIGKILL to
# its shell, as CTest does on a time-out, so that no trap runs).
nested() {
    local ending=$1 record=$2
    bash -c '
        source "$1/lib.sh"
        xv_start 640x480x24
        start_program "$2" -geometry +10+10
        wait_window "^xlogo$" >/dev/null
        echo "${XV_PIDS[*]}" >"$3"
        echo "$XV_TMP" >>"$3"
        case $4 in
        fail) fail "deliberate failure" ;;
        killed) kill -KILL $$ ;;
        esac
    ' nested "$here" "$program" "$record" "$ending" 2>/dev/null
}

all_gone() {
    local pid
    for pid in "$@"; do
        xv_gone "$pid" || return 1
    done
}

for ending in pass:0 fail:1 killed:137; do
    expected=${ending#*:}
    ending=${ending%:*}
    record=$XV_TMP/nested-$ending
    rc=0
    { nested "$ending" "$record" || rc=$?; } 2>/dev/null # no "Killed" notice from bash
    assert_eq "$rc" "$expected" "nested test that ends by '$ending' has status $expected"
    read -r -a pids <"$record"
    tmp=$(sed -n 2p "$record")
    assert_eq "${#pids[@]}" 3 'nested test started Xvfb, openbox and the program'
    if [ "$ending" = killed ]; then
        wait_until 'the watcher ended what the killed test started' all_gone "${pids[@]}"
    else
        assert_true "processes ${pids[*]} ended with the nested test" all_gone "${pids[@]}"
    fi
    if [ "$ending" = pass ]; then
        assert_true 'temporary folder removed after success' test ! -e "$tmp"
    else
        assert_true 'temporary folder kept after failure' test -d "$tmp"
        rm -rf "$tmp"
    fi
done
