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
    openbox --sm-disable --startup "touch $XV_TMP/wm-ready" >"$XV_TMP/openbox.log" 2>&1 &
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
    local limit=${1:-$XV_TIMEOUT}
    xv_retry "$limit" xv_gone "$XV_PROGRAM_PID" || fail "program still running after ${limit}s"
    XV_EXIT=0
    wait "$XV_PROGRAM_PID" || XV_EXIT=$?
    sed -i "/^$XV_PROGRAM_PID\$/d" "$XV_TMP/pids" # its number may be reused from now on
}

xv_gone() { ! kill -0 "$1" 2>/dev/null; }

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
close_window() {
    xv_check_id "$1"
    xq xdotool windowactivate --sync "$1" key --clearmodifiers alt+F4 || fail "could not close $1"
}

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
