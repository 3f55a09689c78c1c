#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Twenty copies of the program share one settings file. Each is moved to a place of its own, then
# all are closed at the same moment: the file still parses, X1 and Y1 hold the pair that one of
# them wrote (never a mix of two, never empty), no lock or temporary file is left behind, and
# every copy ends with exit status 0 and without a complaint. Three rounds.
# Usage: concurrent_close.sh path/to/tessaly
source "$(dirname "$0")/lib.sh"
TESSALY=${1:?path of tessaly}
COPIES=${COPIES:-20}
ROUNDS=${ROUNDS:-3}
command -v wmctrl >/dev/null || fail "wmctrl is missing; run scripts/install-deps.sh"
xv_start 1280x1024x24
config=$XDG_CONFIG_HOME
ini=$config/Kelvan.ini

# The window of one process, once it is on the screen.
window_of() {
    local ids
    ids=$(timeout "$XV_TIMEOUT" xdotool search --all --sync --onlyvisible --pid "$1" --name '^Morvane' \
        2>/dev/null) || fail "no window of process $1 within ${XV_TIMEOUT}s"
    echo "${ids%%$'\n'*}"
}

# The settings file as the program writes it: the section and the two keys, nothing else.
parsed_pair() {
    local text
    text=$(cat "$ini")
    [[ $text =~ ^\[Form1_StrtUp\]$'\n'X1=(-?[0-9]+)$'\n'Y1=(-?[0-9]+)$ ]] || return 1
    echo "${BASH_REMATCH[1]} ${BASH_REMATCH[2]}"
}

run_round() {
    local round=$1 i pid wid x y pair status complaints=0
    local -a pids=() wids=() pairs=()
    for ((i = 0; i < COPIES; i++)); do
        "$TESSALY" >"$XV_TMP/out.$round.$i" 2>"$XV_TMP/err.$round.$i" &
        pids+=($!)
        xv_own $!
    done
    # Places chosen so that no left edge and no top edge is shared: a pair mixed from two copies
    # is then no copy's pair.
    for ((i = 0; i < COPIES; i++)); do
        wid=$(window_of "${pids[i]}")
        wids+=("$wid")
        xq xdotool windowmove --sync "$wid" $((30 + 37 * i + round)) $((40 + 29 * i + round))
        read -r x y < <(frame_position "$wid")
        pairs+=("$((x * 15)) $((y * 15))")
    done
    assert_eq "$(printf '%s\n' "${pairs[@]}" | cut -d' ' -f1 | sort -u | wc -l) \
$(printf '%s\n' "${pairs[@]}" | cut -d' ' -f2 | sort -u | wc -l)" "$COPIES $COPIES" \
        "round $round: every copy stands at a left and a top edge of its own"

    # Stopped, every copy gets its close request queued; continued together, all handle it at once.
    kill -STOP "${pids[@]}"
    for wid in "${wids[@]}"; do
        xq wmctrl -i -c "$wid"
    done
    sleep 0.5
    kill -CONT "${pids[@]}"

    for ((i = 0; i < COPIES; i++)); do
        xv_retry "$XV_TIMEOUT" xv_gone "${pids[i]}" || fail "round $round: copy $i still runs"
        status=0
        wait "${pids[i]}" || status=$?
        sed -i "/^${pids[i]}\$/d" "$XV_TMP/pids"
        [ "$status" -eq 0 ] || fail "round $round: copy $i ended with status $status"
        if [ -s "$XV_TMP/err.$round.$i" ]; then
            complaints=$((complaints + 1))
            xv_log "copy $i said: $(cat "$XV_TMP/err.$round.$i")"
        fi
    done
    echo "ok - round $round: all $COPIES copies ended with status 0"
    assert_eq "$complaints" 0 "round $round: no copy failed to save"

    pair=$(parsed_pair) || fail "round $round: the settings file does not parse: $(head -c 300 "$ini")"
    assert_true "round $round: X1 and Y1 ($pair) are the pair one copy wrote" \
        grep -qxF "$pair" <(printf '%s\n' "${pairs[@]}")
    assert_eq "$(find "$config" -mindepth 1 -printf '%f\n')" Kelvan.ini \
        "round $round: no lock or temporary file is left"
}

for ((r = 1; r <= ROUNDS; r++)); do
    run_round "$r"
done
