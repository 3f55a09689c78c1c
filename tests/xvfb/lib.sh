# SPDX-License-Identifier: MIT
# shellcheck shell=bash
# Real-window tests: each test script sources this file, gets a display of its own (Xvfb plus
# openbox, nothing shared with the session or with other tests running in parallel) and helpers
# to start a program, find its window, read the window back and take screenshots.
#
# A test of the program itself will read, once the window exists:
#
#   source "$(dirname "$0")/lib.sh"
#   TESSALY=$1                      # $<TARGET_FILE:tessaly>, passed by CTest
#   xv_start                        # display, window manager, empty XDG_CONFIG_HOME
#   start_program "$TESSALY"
#   wid=$(wait_window '^Morvane')
#   read -r x y < <(frame_position "$wid")
#   assert_eq "$x $y" "$design_x $design_y" 'first launch opens at the design position'
#   close_window "$wid"
#   wait_program
#   assert_eq "$XV_EXIT" 0 'the close box ends the program'
#   assert_eq "$(ini_value Form1_StrtUp X1)" "$((x * 15))" 'left edge saved in twips'
#
# Every wait has a time limit, and the exit trap ends only the processes started here.

set -euo pipefail

XV_TIMEOUT=${XV_TIMEOUT:-10} # seconds for any single wait
XV_TMP=$(mktemp -d "${TMPDIR:-/tmp}/tessaly-xvfb.XXXXXX")
XV_FAILED=0
XV_PIDS=()     # everything started here, in start order
XV_PROGRAM_PID=
XV_ON_EXIT=() # commands the exit trap runs once everything started here has ended
# shellcheck disable=SC2034 # read by the tests
XV_EXIT= # exit code of the program, set by wait_program

for tool in Xvfb xauth openbox xdotool xwininfo xprop xwd convert timeout; do
    command -v "$tool" >/dev/null || {
        echo "xvfb: '$tool' is missing; run scripts/install-deps.sh" >&2
        exit 1
    }
done

xv_log() { echo "xvfb: $*" >&2; }

# Ends what this test started, newest first: TERM, then KILL for anything still there after 3 s.
xv_cleanup() {
    local status=$? i pid
    trap - EXIT INT TERM HUP PIPE
    [ -z "$XV_WATCHER" ] || kill "$XV_WATCHER" 2>/dev/null || true
    for ((i = ${#XV_PIDS[@]} - 1; i >= 0; i--)); do
        pid=${XV_PIDS[i]}
        kill -TERM "$pid" 2>/dev/null || continue
        xv_retry 3 xv_gone "$pid" || kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    for ((i = ${#XV_ON_EXIT[@]} - 1; i >= 0; i--)); do
        eval "${XV_ON_EXIT[i]}" || true
    done
    if [ "$status" -ne 0 ] || [ "$XV_FAILED" -ne 0 ]; then
        xv_log "failed; screenshots and logs kept in $XV_TMP"
        [ "$status" -ne 0 ] || status=1
    else
        rm -rf "$XV_TMP"
    fi
    exit "$status"
}
trap xv_cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP
trap 'exit 141' PIPE

# A shell killed outright runs no trap, and CTest ends a test that times out with SIGKILL to the
# script alone. This watcher then ends what the script started, as listed in $XV_TMP/pids.
XV_WATCHER=
xv_watch() {
    local parent=$$
    (
        while kill -0 "$parent" 2>/dev/null; do sleep 0.5; done
        while read -r pid; do kill -TERM "$pid" 2>/dev/null; done <"$XV_TMP/pids"
        sleep 1
        while read -r pid; do kill -KILL "$pid" 2>/dev/null; done <"$XV_TMP/pids"
    ) </dev/null >/dev/null 2>&1 &
    XV_WATCHER=$!
}

# Remembers a process this test started, for the exit trap and for the watcher.
xv_own() {
    XV_PIDS+=("$1")
    echo "$1" >>"$XV_TMP/pids"
    [ -n "$XV_WATCHER" ] || xv_watch
}

# Runs "$@" until it succeeds or $1 seconds have passed.
xv_retry() {
    local limit=$1 end
    shift
    end=$((SECONDS + limit))
    until "$@" >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$end" ] || return 1
        sleep 0.05
    done
}

# Starts Xvfb on the first free display (the server picks it and reports it through -displayfd),
# with a fresh cookie, then openbox; exports DISPLAY, XAUTHORITY and a temporary XDG_CONFIG_HOME.
xv_start() {
    local geometry=${1:-1280x1024x24} cookie
    export XAUTHORITY=$XV_TMP/Xauthority XDG_CONFIG_HOME=$XV_TMP/config
    export XDG_CACHE_HOME=$XV_TMP/cache XDG_DATA_HOME=$XV_TMP/data XDG_RUNTIME_DIR=$XV_TMP/run
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    unset WAYLAND_DISPLAY SESSION_MANAGER
    export QT_QPA_PLATFORM=xcb
    # The workbench and the stack-up in Japanese, which the tests read, whatever the machine
    # speaks (CI has LANG=C.UTF-8 or none); a test of English sets TESSALY_LANGUAGE=en.
    export TESSALY_LANGUAGE=ja
    cookie=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
    # The server loads every cookie in its file; the client entry is added once the number is known.
    : >"$XAUTHORITY"
    xauth -q -f "$XAUTHORITY" add :0 . "$cookie"

    : >"$XV_TMP/displayfd"
    # -noreset: otherwise the server resets whenever its last client leaves, and a client that
    # connects during the reset (the window manager, right after the readiness probe) is refused.
    Xvfb -displayfd 3 -screen 0 "$geometry" -nolisten tcp -noreset -auth "$XAUTHORITY" \
        3>"$XV_TMP/displayfd" >"$XV_TMP/Xvfb.log" 2>&1 &
    xv_own $!
    if ! xv_retry "$XV_TIMEOUT" grep -q '^[0-9]' "$XV_TMP/displayfd"; then
        xv_log "Xvfb did not report a display within ${XV_TIMEOUT}s"
        cat "$XV_TMP/Xvfb.log" >&2
        return 1
    fi
    DISPLAY=:$(head -n1 "$XV_TMP/displayfd")
    export DISPLAY
    xauth -q -f "$XAUTHORITY" add "$DISPLAY" . "$cookie"
    xv_retry "$XV_TIMEOUT" xq xwininfo -root || {
        xv_log "display $DISPLAY does not answer"
        return 1
    }

    # openbox runs its --startup command once it manages windows; _NET_SUPPORTING_WM_CHECK comes
    # earlier, and a window mapped in between can stay unmapped and unmanaged.
    # openbox splits the command as a shell does: the folder quoted, for a checkout whose path
    # holds spaces.
    local ready=$XV_TMP/wm-ready
    openbox --sm-disable --startup "touch '${ready//\'/\'\\\'\'}'" >"$XV_TMP/openbox.log" 2>&1 &
    xv_own $!
    xv_retry "$XV_TIMEOUT" test -e "$XV_TMP/wm-ready" || {
        xv_log "openbox did not take over $DISPLAY within ${XV_TIMEOUT}s"
        cat "$XV_TMP/openbox.log" >&2
        return 1
    }
    if [ -n "${XV_XFT_DPI:-}" ]; then
        echo "Xft.dpi: $XV_XFT_DPI" | xq xrdb -merge || fail "could not set Xft.dpi"
    fi
}

# The scale the program runs at: QT_SCALE_FACTOR, or XV_XFT_DPI (merged into the X resources
# by xv_start, as GNOME and KDE set Xft.dpi for a scaled screen) over 96; 1 when neither is set.
if [ -n "${XV_XFT_DPI:-}" ]; then
    XV_SCALE=$(awk -v d="$XV_XFT_DPI" 'BEGIN { print d / 96 }')
else
    XV_SCALE=${QT_SCALE_FACTOR:-1}
fi

# Device pixels of the screen to the twips the program saves (15 per device-independent pixel)
# and back, to the nearest whole one.
twips_of() { awk -v v="$1" -v s="$XV_SCALE" 'BEGIN { v = v * 15 / s; printf "%d\n", v < 0 ? v - 0.5 : v + 0.5 }'; }
pixels_of() { awk -v v="$1" -v s="$XV_SCALE" 'BEGIN { v = v / 15 * s; printf "%d\n", v < 0 ? v - 0.5 : v + 0.5 }'; }

# Starts the program under test in the background; its output goes to program.out/program.err.
start_program() {
    "$@" >"$XV_TMP/program.out" 2>"$XV_TMP/program.err" &
    XV_PROGRAM_PID=$!
    xv_own "$XV_PROGRAM_PID"
}

# Waits for the program to end and sets XV_EXIT to its exit code; fails if it still runs after
# the limit. Call it from the test's own shell, not in $(...): only the parent can collect a status.
# shellcheck disable=SC2034 # XV_EXIT is read by the tests
wait_program() {
    # Room for close_window's second Alt+F4 and a loaded machine.
    local limit=${1:-$((XV_TIMEOUT * 3))}
    if ! xv_retry "$limit" xv_gone "$XV_PROGRAM_PID"; then
        xv_describe_stuck "$XV_PROGRAM_PID"
        fail "program still running after ${limit}s"
    fi
    XV_EXIT=0
    wait "$XV_PROGRAM_PID" || XV_EXIT=$?
    sed -i "/^$XV_PROGRAM_PID\$/d" "$XV_TMP/pids" # its number may be reused from now on
}

xv_gone() { ! kill -0 "$1" 2>/dev/null; }

# What a program that should have ended is doing, on stderr and in stuck.txt: its windows, the
# state of each thread and, where gdb is installed, every thread's stack. A CI log is all there is
# of a run on another machine.
xv_describe_stuck() {
    local pid=$1 task
    {
        echo "--- process $pid: $(tr '\0' ' ' </proc/"$pid"/cmdline 2>/dev/null)"
        echo "windows: $(xq xdotool search --pid "$pid" 2>/dev/null | while read -r w; do
            printf '%s "%s" ' "$w" "$(xq xdotool getwindowname "$w" 2>/dev/null)"
        done)"
        for task in /proc/"$pid"/task/*; do
            echo "thread ${task##*/} $(cut -d' ' -f2,3 "$task/stat" 2>/dev/null) in $(cat "$task/wchan" 2>/dev/null)"
        done
        if command -v gdb >/dev/null; then
            timeout 60 gdb -p "$pid" -batch -nx -ex 'thread apply all bt 30' 2>&1 | grep -E '^(Thread|#)'
        fi
    } 2>&1 | tee "$XV_TMP/stuck.txt" >&2
}

# Every query of the X server goes through here: no X tool may wait for ever (an empty -id makes
# xwininfo wait for a click; `xdotool mousemove --sync` waits for ever when the pointer is there).
xq() { timeout "$XV_TIMEOUT" "$@"; }

xv_check_id() {
    [[ $1 =~ ^(0x[0-9a-fA-F]+|[0-9]+)$ ]] || fail "'$1' is not a window id"
}

# The id of the first visible window whose name matches the pattern.
wait_window() {
    local pattern=$1 limit=${2:-$XV_TIMEOUT} ids
    ids=$(timeout "$limit" xdotool search --sync --onlyvisible --name "$pattern" 2>/dev/null) ||
        fail "no visible window named '$pattern' within ${limit}s"
    echo "${ids%%$'\n'*}"
}

# The window manager's frame around a client window: its ancestor that is a child of the root.
frame_of() {
    local id=$1 parent tree root
    xv_check_id "$id"
    root=$(xq xwininfo -root | awk '/Window id:/ {print $4}')
    while :; do
        tree=$(xq xwininfo -children -id "$id") || fail "window $id is gone"
        parent=$(awk '/Parent window id:/ {print $4}' <<<"$tree")
        xv_check_id "$parent"
        if [ $((parent)) -eq $((root)) ]; then
            echo "$id"
            return 0
        fi
        id=$parent
    done
}

# "X Y" of a window's outer frame on the screen. xwininfo's absolute corner of the frame window is
# right; `xdotool getwindowgeometry` adds the frame offset a second time.
frame_position() {
    local frame info
    frame=$(frame_of "$1")
    info=$(xq xwininfo -id "$frame") || fail "window $frame is gone"
    awk '/Absolute upper-left X:/ {x = $4} /Absolute upper-left Y:/ {y = $4} END {print x, y}' \
        <<<"$info"
}

# "X Y" of a window's frame once it holds still: right after mapping it may still be on its way.
settled_frame_position() {
    local pos last=""
    for _ in $(seq 50); do
        pos=$(frame_position "$1")
        [ "$pos" = "$last" ] && break
        last=$pos
        sleep 0.1
    done
    echo "$pos"
}

# "W H" of a window's outer frame.
frame_size() {
    local frame info
    frame=$(frame_of "$1")
    info=$(xq xwininfo -id "$frame") || fail "window $frame is gone"
    awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w, h}' <<<"$info"
}

# The atoms of _NET_WM_STATE on one line, e.g. "_NET_WM_STATE_ABOVE"; empty when there are none.
# Captured first and matched afterwards: `xprop | grep -q` can end with SIGPIPE under pipefail.
window_state() {
    local text
    xv_check_id "$1"
    text=$(xq xprop -id "$1" _NET_WM_STATE) || fail "window $1 is gone"
    [[ $text == *"= "* ]] || return 0
    text=${text#*= }
    echo "${text//,/}"
}

has_state() {
    local states
    states=" $(window_state "$1") "
    [[ $states == *" $2 "* ]]
}

# Polls "$@" until it succeeds; fails with the message after the limit.
wait_until() {
    local message=$1
    shift
    xv_retry "$XV_TIMEOUT" "$@" || fail "$message (waited ${XV_TIMEOUT}s)"
    echo "ok - $message"
}

# Saves a PNG of the window's frame as $XV_TMP/<name>.png and prints its path.
screenshot() {
    local file=$XV_TMP/$2.png
    local frame
    frame=$(frame_of "$1")
    xq xwd -silent -id "$frame" >"$XV_TMP/$2.xwd" || fail "no screenshot of window $frame"
    xq convert "xwd:$XV_TMP/$2.xwd" "$file"
    rm -f "$XV_TMP/$2.xwd"
    echo "$file"
}

# Moves a window with the window manager and prints "X Y" of its frame once it stands still. The
# program hears of the move from the server a moment later; the pause lets it.
move_window() {
    xv_check_id "$1"
    xq xdotool windowmove --sync "$1" "$2" "$3" || fail "could not move window $1"
    settled_frame_position "$1"
    sleep 0.3
}

# Ends the display under the program, as the X server ends at logout: Xvfb, the first process
# xv_start started (the window manager goes with it).
kill_display() {
    kill -TERM "${XV_PIDS[0]}" 2>/dev/null || true
    xv_retry "$XV_TIMEOUT" xv_gone "${XV_PIDS[0]}" || fail "Xvfb did not end"
}

# Asks the window to close the way the close box does (WM_DELETE_WINDOW through the manager).
# A window manager started a moment before now and then lets the first Alt+F4 pass unhandled
# (xlogo's too: 15 of 240 fresh sessions, the window active and focused), so the keys go again
# while the window is still on screen, as a user presses twice. A second close request reaches
# nothing more than the first: the program has one close step.
close_window() {
    xv_check_id "$1"
    xq xdotool windowactivate --sync "$1" key --clearmodifiers alt+F4 || fail "could not close $1"
    for _ in 1 2 3; do
        xv_retry 3 xv_window_gone "$1" && return 0
        xq xdotool windowactivate --sync "$1" key --clearmodifiers alt+F4 >/dev/null 2>&1 ||
            return 0
    done
}

xv_window_gone() { ! xq xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }

# A value of the program's settings file in this test's XDG_CONFIG_HOME: ini_value SECTION KEY.
ini_value() {
    local file=$XDG_CONFIG_HOME/Kelvan.ini
    [ -f "$file" ] || return 0
    awk -v section="[$1]" -v key="$2" -F= '
        /^\[/ { inside = ($0 == section); next }
        inside && $1 == key { sub(/^[^=]*=/, ""); print; exit }' "$file"
}

fail() {
    XV_FAILED=1
    xv_log "FAIL: $*"
    exit 1
}

# assert_eq ACTUAL EXPECTED WHAT
assert_eq() {
    if [ "$1" != "$2" ]; then
        fail "$3: got '$1', expected '$2'"
    fi
    echo "ok - $3"
}

assert_true() {
    local what=$1
    shift
    "$@" || fail "$what: '$*' failed"
    echo "ok - $what"
}

# --- driving the window as a person does ---------------------------------------------------------
# The real-window, installed-package and Wine tests share these. A test sets XV_APP to the command
# that starts the program and, to check deviations, XV_CLI to a tessaly-cli that holds the tables.

XV_APP=()
XV_CLI=
# shellcheck disable=SC2034 # read by the tests
XV_CAPTION='Morvane【Tessaly】 JIS B 0401(1984)'
XV_KEY_PAUSE=${XV_KEY_PAUSE:-0.1} # after each key, for the program to take it
XV_LIST_CLASS=${XV_LIST_CLASS:-'^tessaly$'} # the window class of an open list

# Starts the program, finds its window by the caption and waits for the frame to hold still; sets
# wid, x and y (the frame's corner). An optional limit in seconds for the window to appear.
launch() {
    start_program "${XV_APP[@]}"
    wid=$(wait_window "^Morvane【Tessaly】 JIS B 0401\\(1984\\)\$" "${1:-$XV_TIMEOUT}")
    read -r x y < <(settled_frame_position "$wid")
    xq xdotool windowactivate --sync "$wid" >/dev/null || fail "cannot activate the window"
}

key() {
    xq xdotool key --clearmodifiers "$@" || fail "xdotool key $*"
    sleep "$XV_KEY_PAUSE"
}

# Text typed a character at a time, as a person types it into the focused field.
type_text() {
    xq xdotool type --delay 50 "$1" || fail "xdotool type $1"
    sleep "$XV_KEY_PAUSE"
}

# The workbench's size, hole class and shaft class, typed as a user goes: Tab between them.
type_fit() {
    type_text "$1"
    key Tab
    type_text "$2"
    key Tab
    type_text "$3"
}

# Moves the pointer to a point of the client area, and clicks there if asked.
point_at() { xq xdotool mousemove --window "$wid" "$1" "$2" || fail "cannot point at $1,$2"; }
click_at() {
    point_at "$1" "$2"
    xq xdotool click 1 || fail "cannot click at $1,$2"
}

# The middle of a control from its designed place in twips (15 to a pixel) on its page, as
# "X Y" in the client area; the pages stand 4 px right of and 24 px below the client area's
# corner under the menu bar, whose height the test sets in menu_bar.
# shellcheck disable=SC2154 # menu_bar is the test's
centre() {
    local left=$1 top=$2 width=$3 height=$4
    echo "$((4 + (left + width / 2) / 15)) $((24 + menu_bar + (top + height / 2) / 15))"
}
# Sets combo1_x, combo1_y … text4_x, text4_y: the lists and boxes of both pages.
# shellcheck disable=SC2034 # read by the tests
centre_controls() {
    read -r combo1_x combo1_y < <(centre 1440 3840 1335 345)
    read -r combo2_x combo2_y < <(centre 2820 3840 765 345)
    read -r text1_x text1_y < <(centre 3660 3540 795 300)
    read -r text2_x text2_y < <(centre 3660 3885 795 300)
    read -r combo3_x combo3_y < <(centre 1440 1380 1335 345)
    read -r combo4_x combo4_y < <(centre 2820 1380 765 345)
    read -r text3_x text3_y < <(centre 3630 1095 795 300)
    read -r text4_x text4_y < <(centre 3630 1425 795 300)
}

# The lists' entries in order, as the companion lists them: sets ranges, hole_classes and
# shaft_classes.
# shellcheck disable=SC2034 # read by the tests
read_lists() {
    local help
    help=$("$XV_CLI" --help) || fail "$XV_CLI --help failed"
    ranges=$(sed -n 's/^Size ranges: //p' <<<"$help")
    hole_classes=$(sed -n 's/^Hole classes: //p' <<<"$help")
    shaft_classes=$(sed -n 's/^Shaft classes: //p' <<<"$help")
}
index_in() {
    local i=0 item
    for item in $1; do
        [ "$item" = "$2" ] && echo "$i" && return 0
        i=$((i + 1))
    done
    return 1
}

open_lists() { xdotool search --onlyvisible --classname "$XV_LIST_CLASS" 2>/dev/null | wc -l; }

# Clicks a list open, goes to its first entry and down to the one wanted, takes it with Return.
# With XV_LIST_SEEN=maybe an open list need not show as a window of its own (Wine's may not).
pick() {
    local list_x=$1 list_y=$2 items=$3 wanted=$4 n before
    n=$(index_in "$items" "$wanted") || fail "'$wanted' is not among the entries"
    before=$(open_lists)
    click_at "$list_x" "$list_y"
    if ! xv_retry 5 test "$(open_lists)" -gt "$before"; then
        [ "${XV_LIST_SEEN:-}" = maybe ] || fail "the list did not open"
        xv_log "no window for the open list seen"
    fi
    key Home
    [ "$n" -eq 0 ] || key --repeat "$n" --delay 30 Down
    key Return
    xv_retry 5 test "$(open_lists)" -le "$before" || fail "the list did not close"
    echo "ok - picked $wanted"
}

# A box's text as a person takes it: click into it, select all, copy; sets copied. The clipboard
# holds a token of this test until the program's copy replaces it, so that a read never takes an
# earlier copy for the new one.
clipboard() { xq xclip -o -selection clipboard 2>/dev/null; }
reads=0
copied=
read_box() {
    local token_pid offered=
    reads=$((reads + 1))
    for _ in 1 2 3; do
        printf 'token-%s' "$reads" | xclip -quiet -selection clipboard -i >/dev/null 2>&1 &
        token_pid=$!
        xv_own "$token_pid"
        if xv_retry 5 test "$(clipboard)" = "token-$reads"; then
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
    xv_retry "$XV_TIMEOUT" test "$(clipboard)" != "token-$reads" ||
        fail "nothing was copied from the box at $1,$2"
    copied=$(clipboard)
    kill "$token_pid" 2>/dev/null || true
    wait "$token_pid" 2>/dev/null || true
    sed -i "/^$token_pid\$/d" "$XV_TMP/pids"
}

# Both boxes of a side against the companion, for the class and range picked last.
check_boxes() {
    local class=$1 range=$2 upper_x=$3 upper_y=$4 lower_x=$5 lower_y=$6 bound
    for bound in upper lower; do
        if [ $bound = upper ]; then read_box "$upper_x" "$upper_y"; else read_box "$lower_x" "$lower_y"; fi
        assert_eq "$copied" "$("$XV_CLI" "$class" "$range" | sed -n "s/^$bound: //p")" \
            "$class $range: the $bound box"
    done
}

above() { has_state "$wid" _NET_WM_STATE_ABOVE; }
not_above() { ! above; }

# Drags the window by its title bar by dx, dy and sets x, y to where the frame then stands.
drag_by() {
    local from_x=$((x + 150)) from_y=$((y + 8)) step want
    xq xdotool mousemove "$from_x" "$from_y" mousedown 1 || fail "cannot grab the title bar"
    for step in 1 2 3 4; do
        xq xdotool mousemove $((from_x + $1 * step / 4)) $((from_y + $2 * step / 4))
        sleep 0.05
    done
    xq xdotool mouseup 1
    want="$((x + $1)) $((y + $2))"
    xv_retry "$XV_TIMEOUT" test "$(frame_position "$wid")" = "$want" ||
        fail "the drag left the frame at $(frame_position "$wid"), not $want"
    read -r x y <<<"$want"
    sleep 0.3 # the program hears of the move a moment later
}

# The saved edges in the settings file, "X1 Y1", and a file holding just those two.
saved_edges() { echo "$(ini_value Form1_StrtUp X1) $(ini_value Form1_StrtUp Y1)"; }
store_edges() { printf '[Form1_StrtUp]\nX1=%s\nY1=%s\n' "$1" "$2" >"$XDG_CONFIG_HOME/Kelvan.ini"; }
