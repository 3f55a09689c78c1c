#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The close routes of a session that ends: SIGTERM (shutdown), SIGHUP (logout) and SIGINT (Ctrl+C
# in a terminal) save the position and end the program with status 0; an X11 session manager's
# save request saves it with the window still open, asks for no restart, and its Die ends the
# program with the place saved; the X server ending under the program leaves X1/Y1 at the place
# the window was last moved to.
# Usage: session_end.sh path/to/tessaly path/to/sm_manager
source "$(dirname "$0")/lib.sh"
TESSALY=${1:?path of tessaly}
SM_MANAGER=${2:?path of sm_manager}
xv_start 1280x1024x24
ini=$XDG_CONFIG_HOME/Kelvan.ini

XV_APP=("$TESSALY")
in_twips() { echo "$(($1 * 15)) $(($2 * 15))"; }

# Each signal, from a window moved away from its last saved place.
step=0
for signal in TERM HUP INT; do
    printf '[Form1_StrtUp]\nX1=3000\nY1=1500\n' >"$ini"
    launch
    step=$((step + 1))
    read -r mx my < <(move_window "$wid" $((380 + 20 * step)) $((280 + 20 * step)))
    kill -s "$signal" "$XV_PROGRAM_PID"
    wait_program "$XV_TIMEOUT"
    assert_eq "$XV_EXIT" 0 "SIG$signal ends the program with status 0"
    assert_eq "$(saved_edges)" "$(in_twips "$mx" "$my")" "SIG$signal saves where the window was moved"
    assert_eq "$(cat "$XV_TMP/program.err")" '' "SIG$signal: nothing on stderr"
done

# A real XSMP exchange with a session manager the test runs.
mkfifo "$XV_TMP/sm.in"
"$SM_MANAGER" <"$XV_TMP/sm.in" >"$XV_TMP/sm.out" 2>&1 &
xv_own $!
exec 7>"$XV_TMP/sm.in"
sm_said() { grep -c -x "$1" "$XV_TMP/sm.out" || true; }
sm_said_times() { [ "$(sm_said "$1")" -ge "$2" ]; }
wait_until 'the session manager listens' grep -q '^SESSION_MANAGER=' "$XV_TMP/sm.out"
SESSION_MANAGER=$(sed -n 's/^SESSION_MANAGER=//p' "$XV_TMP/sm.out")
export SESSION_MANAGER
launch
wait_until 'the program registers with the session manager' sm_said_times registered 1
read -r mx my < <(move_window "$wid" 440 350)
echo save >&7
wait_until 'the program answers the save request' sm_said_times 'save-done 1' 1
assert_eq "$(saved_edges)" "$(in_twips "$mx" "$my")" 'a save request saves the position'
assert_true 'the window stays open after a save request' xv_retry 1 kill -0 "$XV_PROGRAM_PID"
assert_true 'the program asks not to be restarted (RestartNever)' \
    grep -q -x 'property RestartStyleHint 3' "$XV_TMP/sm.out"
read -r mx my < <(move_window "$wid" 460 370)
echo shutdown >&7
wait_until 'the program answers the shutdown save' sm_said_times 'save-done 1' 2
echo die >&7
wait_program "$XV_TIMEOUT"
assert_eq "$XV_EXIT" 0 'the session manager'"'"'s Die ends the program with status 0'
assert_eq "$(saved_edges)" "$(in_twips "$mx" "$my")" 'logout through the session manager saves'
exec 7>&-
unset SESSION_MANAGER

# The display goes away under the window (the X server ends at logout).
launch
read -r mx my < <(move_window "$wid" 420 330)
kill_display
wait_program "$XV_TIMEOUT"
assert_eq "$XV_EXIT" 1 'a lost display ends the program with status 1'
assert_eq "$(saved_edges)" "$(in_twips "$mx" "$my")" 'a lost display saves where the window was moved'
