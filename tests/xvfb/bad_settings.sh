#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Settings the program cannot use or cannot write: a folder where the file should be, a named pipe
# there, a megabyte of random bytes, a folder in place of its lock file, and a settings folder
# that cannot be created (below a regular file, which stops root too). In each, a full run: the
# window opens, a pick by keyboard shows the deviations the tables give (read back through the
# clipboard), the close box ends the program with status 0, and where the position could not be
# saved the program says so in one line on stderr and nothing else.
# Usage: bad_settings.sh path/to/tessaly path/to/tessaly-cli
source "$(dirname "$0")/lib.sh"
TESSALY=${1:?path of tessaly}
CLI=${2:?path of tessaly-cli}
xv_start 1280x1024x24
base_config=$XDG_CONFIG_HOME

# What the tables say for the second hole class in list order at the last size range: the
# companion prints every entry, in list order, as CSV (a field with an outer blank is quoted).
table=$("$CLI" --table) || fail "tessaly-cli --table failed"
class=$(awk -F, '$1 == "hole" {print $2}' <<<"$table" | uniq | sed -n 2p)
last_range=$(awk -F, '$1 == "hole" {print $3}' <<<"$table" | tail -n1)
row=$(grep -m1 "^hole,$class,$last_range," <<<"$table") || fail "no row for $class $last_range"
IFS=, read -r _ _ _ want_upper want_lower _ <<<"$row"
want_upper=${want_upper//\"/} want_lower=${want_lower//\"/}
echo "# expecting $class at $last_range: '$want_upper' over '$want_lower'"

# The text of the box that has the focus, through the clipboard: once the clipboard shows
# something other than the last copy, or after 2 s whatever it shows.
last_copy=
copy_focused() {
    local text
    xq xdotool windowactivate --sync "$1" key --clearmodifiers ctrl+a ctrl+c
    for _ in $(seq 40); do
        text=$(xq xclip -o -selection clipboard 2>/dev/null) || text=
        [ -n "$text" ] && [ "$text" != "$last_copy" ] && break
        sleep 0.05
    done
    last_copy=$text
    echo "$text"
}

# The window opens with the focus in Text2; the focus order of the hole page is Text2, Combo1,
# Combo2, Text1, the tabs, and round again. End picks the last range, Down the second class.
pick_and_read() {
    local wid=$1 upper lower
    xq xdotool windowactivate --sync "$wid" key --clearmodifiers Tab End Tab Down Tab
    copy_focused "$wid" >"$XV_TMP/upper"
    upper=$(cat "$XV_TMP/upper")
    xq xdotool key --clearmodifiers Tab Tab
    copy_focused "$wid" >"$XV_TMP/lower"
    lower=$(cat "$XV_TMP/lower")
    assert_eq "$upper|$lower" "$want_upper|$want_lower" "$case: the pick shows the tables' entry"
}

# run_case NAME EXPECTED-STDERR: one launch, pick and close with the settings set up beforehand.
run_case() {
    case=$1
    local expected=$2 wid err
    start_program "$TESSALY"
    wid=$(wait_window '^Morvane')
    echo "ok - $case: the window opens"
    pick_and_read "$wid"
    close_window "$wid"
    wait_program
    assert_eq "$XV_EXIT" 0 "$case: the close box ends the program with status 0"
    err=$(cat "$XV_TMP/program.err")
    assert_eq "$err" "$expected" "$case: what the program says on stderr"
}

fresh_config() {
    export XDG_CONFIG_HOME=$base_config/$1
    mkdir -p "$XDG_CONFIG_HOME"
    ini=$XDG_CONFIG_HOME/Kelvan.ini
}

cannot_save() {
    echo "tessaly: could not save the window position to $1: $2"
}

fresh_config folder
mkdir "$ini"
run_case 'settings file is a folder' "$(cannot_save "$ini" 'Is a directory')"
assert_true 'the folder is left alone' test -d "$ini"

fresh_config pipe
mkfifo "$ini"
run_case 'settings file is a named pipe' "$(cannot_save "$ini" 'it is not a regular file')"
assert_true 'the pipe is left alone' test -p "$ini"

fresh_config random
head -c 1048576 /dev/urandom >"$ini"
cp "$ini" "$XV_TMP/random"
run_case 'settings file of 1 MB of random bytes' ''
assert_true 'the random bytes are kept as they were' cmp -n 1048576 "$ini" "$XV_TMP/random"
# -z: our lines end as the random bytes mostly do, LF among them, so the match spans lines.
assert_true 'our section follows them' grep -azqE '\[Form1_StrtUp\].{1,2}X1=-?[0-9]+' "$ini"

fresh_config lock
printf '[Form1_StrtUp]\nX1=3000\nY1=1500\n' >"$ini"
mkdir "$ini.lock"
run_case 'lock file is a folder' "$(cannot_save "$ini" 'its lock file is not a regular file')"
assert_eq "$(cat "$ini")" $'[Form1_StrtUp]\nX1=3000\nY1=1500' 'the stored position stays'

fresh_config blocked
printf 'a regular file\n' >"$XDG_CONFIG_HOME/file"
export XDG_CONFIG_HOME=$XDG_CONFIG_HOME/file/sub
ini=$XDG_CONFIG_HOME/Kelvan.ini
run_case 'settings folder below a regular file' \
    "$(cannot_save "$ini" 'its folder cannot be created: Not a directory')"
