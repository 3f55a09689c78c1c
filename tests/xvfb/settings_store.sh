#!/usr/bin/env bash
# What the close box does to a settings file it shares: other programs' sections and keys stay as
# they were; on a full disk and on a read-only one the old file stays whole and the one line on
# stderr names the cause as the system gave it. The disks are small tmpfs mounts, so those two
# cases need root; without it they are skipped (status 77) after the first case.
# Usage: settings_store.sh path/to/tessaly
source "$(dirname "$0")/lib.sh"
TESSALY=${1:?path of tessaly}
xv_start 1280x1024x24

# One run: open, move, close by Alt+F4; sets mx my, and err to what the program said.
run_and_close() {
    start_program "$TESSALY"
    local wid
    wid=$(wait_window '^Morvane')
    settled_frame_position "$wid" >/dev/null
    read -r mx my < <(move_window "$wid" "$1" "$2")
    close_window "$wid"
    wait_program "$XV_TIMEOUT"
    assert_eq "$XV_EXIT" 0 "$3: the close box ends the program with status 0"
    err=$(cat "$XV_TMP/program.err")
}

ini=$XDG_CONFIG_HOME/Kelvan.ini
other=$'[Form2_Other]\nColour=blue\n; a comment of theirs\nList=a,b'
printf '[Form1_StrtUp]\nX1=3000\nY1=1500\n\n%s\n' "$other" >"$ini"
run_and_close 410 320 'shared file'
assert_eq "$(cat "$ini")" "[Form1_StrtUp]"$'\n'"X1=$((mx * 15))"$'\n'"Y1=$((my * 15))"$'\n\n'"$other" \
    'the close box changes X1 and Y1 and keeps the other section as it was'
assert_eq "$err" '' 'shared file: nothing on stderr'

if [ "$(id -u)" -ne 0 ]; then
    echo "skip - a full and a read-only disk need root to mount them"
    exit 77
fi

disk=$XV_TMP/disk
mkdir "$disk"
mount -t tmpfs -o size=64k tmpfs "$disk" || fail 'cannot mount a tmpfs'
XV_ON_EXIT+=("umount '$disk'")
export XDG_CONFIG_HOME=$disk/config
ini=$XDG_CONFIG_HOME/Kelvan.ini
mkdir -p "$XDG_CONFIG_HOME"
before=$'[Form1_StrtUp]\nX1=3000\nY1=1500'
echo "$before" >"$ini"
dd if=/dev/zero of="$disk/filler" bs=4096 2>/dev/null || true
run_and_close 430 340 'full disk'
assert_eq "$err" "tessaly: could not save the window position to $ini: No space left on device" \
    'full disk: stderr names the cause'
assert_eq "$(cat "$ini")" "$before" 'full disk: the old file stays whole'

rm "$disk/filler"
mount -o remount,ro "$disk" || fail 'cannot make the tmpfs read-only'
run_and_close 450 360 'read-only disk'
assert_eq "$err" "tessaly: could not save the window position to $ini: Read-only file system" \
    'read-only disk: stderr names the cause'
assert_eq "$(cat "$ini")" "$before" 'read-only disk: the old file stays whole'
