#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# What a blind user meets: the program's accessible tree as AT-SPI gives it to a screen reader,
# and what Orca says (Orca runs without a synthesiser; the lines `SPEECH OUTPUT: '…'` of its debug
# file are what a user would hear). Runs inside a session bus of its own (dbus-run-session), with
# the accessibility bus and Orca started here and ended by the exit trap.
#
# A check is one call: reader_check NAME TITLE KEYS TREE SPEECH -- PROGRAM [ARGS]. KEYS are
# xdotool key names, "type:TEXT" or "rest:SECONDS"; TREE and SPEECH are lists of texts
# (newline-separated) that the tree dump (tab-separated role, name, description, text) and the
# speech must contain. Nothing outside the test is touched: an Orca the user runs goes on speaking.
# Exit 77 (skipped) only when the screen reader's packages are missing.
TESSALY=$1
FITS=$3 # the workbench

for need in orca /usr/libexec/at-spi-bus-launcher dbus-daemon; do
    command -v "$need" >/dev/null || {
        echo "screen reader: '$need' is missing; run scripts/install-deps.sh" >&2
        exit 77
    }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || {
    echo "screen reader: python3-pyatspi is missing; run scripts/install-deps.sh" >&2
    exit 77
}
[ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || {
    echo "screen reader: run under dbus-run-session, so that nothing outlives the test" >&2
    exit 1
}

source "$(dirname "$0")/lib.sh"
XV_CLI=$2 # the companion, for the figures the boxes show
TREE_SCRIPT=$(dirname "$0")/atspi_tree.py
READER_LOG=$XV_TMP/orca.log

xv_start
# Qt speaks to the accessibility bus only when the desktop asks for it; here it is asked outright.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$XV_TMP/at-spi.log" 2>&1 &
xv_own $!
xv_retry "$XV_TIMEOUT" dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.a11y.Bus.GetAddress || fail "the accessibility bus did not start"

# A stand-in for the user's own Orca, on a bus of its own: a process named orca, as Orca's own
# check for another Orca sees one. It must still run when the test is done.
mkdir -p "$XV_TMP/users"
cp "$(command -v sleep)" "$XV_TMP/users/orca"
DBUS_SESSION_BUS_ADDRESS=unix:path=$XV_TMP/users/bus "$XV_TMP/users/orca" 600 &
USERS_ORCA=$!
xv_own "$USERS_ORCA"

# Orca first, so that it hears the window appear; ready once it has said it is on. Its own, beside
# any Orca of the user's and never replacing it: see orca_live_log.py.
mkdir -p "$XV_TMP/orca-prefs"
/usr/bin/python3 "$(dirname "$0")/orca_live_log.py" -u "$XV_TMP/orca-prefs" \
    --debug-file "$READER_LOG" >"$XV_TMP/orca.out" 2>&1 &
xv_own $!
spoken() { grep -a -o "SPEECH OUTPUT: '.*'" "$READER_LOG" 2>/dev/null | sed "s/^SPEECH OUTPUT: '//; s/'\$//"; }
said() { spoken | grep -qF -- "$1"; }
# Orca starts in seconds (4 on an idle machine, with its Python modules to load).
READER_START=${READER_START:-60}
xv_retry "$READER_START" said 'Screen reader on' || fail "Orca did not start within ${READER_START}s"
echo 'ok - Orca is running'

tree_has() { grep -qF -- "$1" "$XV_TMP/tree.txt"; }

# reader_check NAME TITLE KEYS TREE SPEECH -- PROGRAM [ARGS]
reader_check() {
    local name=$1 title=$2 keys=$3 tree=$4 speech=$5 wid k line
    shift 6
    start_program "$@"
    wid=$(wait_window "$title")
    settled_frame_position "$wid" >/dev/null
    xq xdotool windowactivate --sync "$wid" >/dev/null || fail "$name: cannot activate the window"
    sleep 1 # Orca reads the window and its focus first
    for k in $keys; do
        case $k in
        type:*) type_text "${k#type:}" ;;
        rest:*) sleep "${k#rest:}" ;; # a listener hears the fit before going on
        *) key "$k" ;;
        esac
    done
    # The tree: bounded, and again until every text is there (a pick may take a moment).
    while IFS= read -r line; do
        [ -n "$line" ] || continue
        xv_retry "$XV_TIMEOUT" reader_tree_has "$XV_PROGRAM_PID" "$line" ||
            fail "$name: no '$line' in the accessible tree (see $XV_TMP/tree.txt)"
        echo "ok - $name: the tree has '$line'"
    done <<<"$tree"
    while IFS= read -r line; do
        [ -n "$line" ] || continue
        wait_until "$name: Orca said '$line'" said "$line"
    done <<<"$speech"
    close_window "$wid"
    wait_program
    assert_eq "$XV_EXIT" 0 "$name: the program ends well"
}
reader_tree_has() {
    timeout "$XV_TIMEOUT" /usr/bin/python3 "$TREE_SCRIPT" "$1" >"$XV_TMP/tree.txt" 2>&1 &&
        tree_has "$2"
}

# A deviation box: its name, and the figure the companion gives for the class and size.
deviation_box() { printf 'text\t%s\t\t%s' "$1" "$("$XV_CLI" "$2" "$3" | sed -n "s/^$4: //p")"; }
# A fresh start shows the first class and size of each side.
LOOKUP_TREE=(
    $'label\t呼び寸法（穴）' $'label\tクラス（穴）' $'label\t呼び寸法（軸）' $'label\tクラス（軸）'
    "$(deviation_box 穴の寸法許容差（上限） B10 0～3 upper)"
    "$(deviation_box 穴の寸法許容差（下限） B10 0～3 lower)"
    "$(deviation_box 軸の寸法許容差（上限） b9 0～3 upper)"
    "$(deviation_box 軸の寸法許容差（下限） b9 0～3 lower)"
    $'filler\tはめあいの図（穴）\t穴の上に軸を描いたはめあいの図'
)
# The window opens with the focus in a box; Tab goes on to the first list.
LOOKUP_SPEECH=('呼び寸法（穴） combo box')
# The lookup window: its lists named as the window labels them, its deviation boxes with their
# figures, and Orca naming the list that Tab reaches.
reader_check lookup "^Morvane【Tessaly】 JIS B 0401\\(1984\\)\$" "Tab" \
    "$(printf '%s\n' "${LOOKUP_TREE[@]}")" "$(printf '%s\n' "${LOOKUP_SPEECH[@]}")" -- "$TESSALY"

# The workbench: a size and two classes typed, then Tab past the edition to the first figure. Every figure is in the tree named by its row and side with its value; Orca
# says the fit unasked once the typing rests, and the figure Tab reaches with its meaning.
FITS_TREE=(
    $'label\t穴の上の寸法許容差 +0.039' $'label\t穴の下の寸法許容差 0' $'label\t軸の上の寸法許容差 -0.025'
    $'label\t軸の下の寸法許容差 -0.050' $'label\t穴の最大許容寸法 35.039' $'label\t軸の最小許容寸法 34.950'
    $'label\tはめあいの種類 すきまばめ' $'label\t最大すきま 0.089' $'label\t最小すきま 0.025'
    $'label\tはめあいの変動量 0.064' $'label\t図面用の表記 φ35 H8 (+0.039/0)'
    $'\t公差域の図\t穴 H8 +39／0 µm、軸 f7 -25／-50 µm、すきまばめ'
)
FITS_SPEECH=('H8/f7 すきまばめ、最大すきま 0.089、最小すきま 0.025' '穴の上の寸法許容差 +0.039 label'
    '図面用にコピー(C) push button')
# One pass of Tab over every figure to the copy button, a key as a listener takes them.
FITS_PASS="Tab Tab$(printf ' rest:0.6 Tab%.0s' $(seq 17))"
if [ -n "$FITS" ]; then
    reader_check workbench '^Tessaly はめあい計算$' "type:35 Tab type:H8 Tab type:f7 rest:3 $FITS_PASS" \
        "$(printf '%s\n' "${FITS_TREE[@]}")" "$(printf '%s\n' "${FITS_SPEECH[@]}")" -- "$FITS"
    # The odds line is read where Tab reaches it, not again with the group around it.
    assert_eq "$(grep -a -c "SPEECH OUTPUT: '99.73 % の組立てのすきま" "$READER_LOG")" 1 \
        'workbench: Orca reads the odds line once a pass'
fi
# The bearing box: Alt+Y brings its page and number field, 6206 typed, the inner ring's load case
# chosen, then put in as the hole. What the number names is in the tree and said once the typing
# rests, the classes recommended for the load as well; each list is heard with its meaning (Qt
# names a list by its choice, and describes it by its tooltip); the fit the ring makes is said.
# Orca (Qt 6.4) says nothing of a closed list's new choice on Down: the recommendation that
# follows is what tells the listener it was taken.
BEARING_TREE=($'label\t6206 深溝玉軸受 d 30 D 62 B 16'
    $'combo box\t内輪回転荷重\t荷重条件。選ぶと推奨の公差クラスを示します'
    $'combo box\t軸受内輪 0 級\t穴の公差クラス')
BEARING_SPEECH=('6206 深溝玉軸受 d 30 D 62 B 16' 'はめあう輪。内輪は軸と、外輪はハウジングの穴とはめあいます'
    '推奨: 軸 k5, k6 / 穴 H7, H8' '寸法と側に入れる(I) push button' 'notification 軸受内輪 0 級/')
if [ -n "$FITS" ]; then
    reader_check bearing '^Tessaly はめあい計算$' \
        "alt+y rest:1 type:6206 rest:2 Tab rest:1 Tab rest:0.6 Tab rest:0.6 Down rest:2 Tab Tab rest:0.6 space rest:2" \
        "$(printf '%s\n' "${BEARING_TREE[@]}")" "$(printf '%s\n' "${BEARING_SPEECH[@]}")" -- "$FITS"
fi
# The workbench in English: the fit said unasked in English once the typing rests, and the first
# figure Tab reaches with its English meaning. It starts as a new user's would: the Japanese
# run's kept 35 would otherwise take the 35 typed here after it (3535, past the table).
if [ -n "$FITS" ]; then
    rm -f "$XDG_CONFIG_HOME/Kelvan/TessalyFits.ini"
    reader_check workbench-english '^Tessaly Fits$' "type:35 Tab type:H8 Tab type:f7 rest:3 Tab Tab" \
        "$(printf '%s\n' $'label\tType of fit clearance fit' $'label\tmaximum clearance 0.089')" \
        "$(printf '%s\n' 'H8/f7 clearance fit, maximum clearance 0.089, minimum clearance 0.025' \
            "Hole's upper limit deviation +0.039 label")" -- env TESSALY_LANGUAGE=en "$FITS"
fi
# What Orca said, kept where asked (for the README's quotes).
[ -z "${XV_READER_SPEECH:-}" ] || spoken >"$XV_READER_SPEECH"
assert_true "the user's own Orca still runs" kill -0 "$USERS_ORCA"
