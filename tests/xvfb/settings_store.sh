#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
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

# A dotfile manager keeps the file in its repository and a link in the folder: the save goes
# through the link, which stays.
mkdir "$XV_TMP/dotfiles"
mv "$ini" "$XV_TMP/dotfiles/Kelvan.ini"
ln -s ../dotfiles/Kelvan.ini "$ini"
run_and_close 420 330 'linked file'
assert_true 'linked file: the link stays a link' test -L "$ini"
assert_eq "$(head -2 "$XV_TMP/dotfiles/Kelvan.ini" | tail -1)" "X1=$((mx * 15))" \
    'linked file: the save reached the file the link names'

# A file made read-only pins the position, also for root.
chmod 0444 "$ini"
before=$(cat "$ini")
run_and_close 440 350 'read-only file'
assert_eq "$err" "tessaly: $ini: the file is read-only, the position was not saved" \
    'read-only file: one line says so'
assert_eq "$(cat "$ini")" "$before" 'read-only file: left as it was'
chmod 0644 "$ini"

# The terminal that started it has gone: stderr is a pipe nobody reads, and Qt has a warning to
# give at start (no XDG_RUNTIME_DIR). The window opens all the same and the close saves.
exec {dead}> >(:)
while kill -0 $! 2>/dev/null; do sleep 0.05; done
env -u XDG_RUNTIME_DIR "$TESSALY" >/dev/null 2>&$dead &
XV_PROGRAM_PID=$!
xv_own "$XV_PROGRAM_PID"
wid=$(wait_window '^Morvane')
settled_frame_position "$wid" >/dev/null
read -r mx my < <(move_window "$wid" 460 370)
close_window "$wid"
wait_program "$XV_TIMEOUT"
exec {dead}>&-
assert_eq "$XV_EXIT" 0 'closed stderr: the close ends the program with status 0'
assert_eq "$(head -2 "$ini" | tail -1)" "X1=$((mx * 15))" 'closed stderr: the close saves'

if [ "$(id -u)" -ne 0 ]; then
    echo "skip - a root run, a full and a read-only disk need root"
    exit 77
fi

# Run once as root with the user's folder (sudo -E): the file stays the user's, and the user's
# next close still saves.
user=nobody
shared=$(mktemp -d /tmp/tessaly-user.XXXXXX)
XV_ON_EXIT+=("rm -rf '$shared'")
chmod 0755 "$shared"
cp "$XAUTHORITY" "$shared/Xauthority"
chmod 0644 "$shared/Xauthority"
mkdir "$shared/config"
printf '[Form1_StrtUp]\nX1=3000\nY1=1500\n' >"$shared/config/Kelvan.ini"
chown -R "$user:" "$shared/config"
saved_config=$XDG_CONFIG_HOME
export XDG_CONFIG_HOME=$shared/config
ini=$XDG_CONFIG_HOME/Kelvan.ini
run_and_close 470 380 'root run in a user folder'
assert_eq "$(stat -c %U "$ini")" "$user" 'root run: the file stays the user'"'"'s'
# The user cannot enter a checkout inside a folder of mode 0700 (as mktemp -d and Debian's home
# folders make them): the program runs from a copy in the shared folder, started there.
cp "$TESSALY" "$shared/tessaly"
chmod 0755 "$shared/tessaly"
TESSALY_USER=(setpriv --reuid="$user" --regid="$(id -g "$user")" --clear-groups
    env -C "$shared" XAUTHORITY="$shared/Xauthority" XDG_CACHE_HOME="$shared/cache" HOME="$shared")
start_program "${TESSALY_USER[@]}" env -u XDG_RUNTIME_DIR "$shared/tessaly"
wid=$(wait_window '^Morvane')
settled_frame_position "$wid" >/dev/null
read -r mx my < <(move_window "$wid" 480 390)
close_window "$wid"
wait_program "$XV_TIMEOUT"
assert_eq "$XV_EXIT" 0 'then the user: the close ends the program with status 0'
assert_eq "$(head -2 "$ini" | tail -1)" "X1=$((mx * 15))" 'then the user: the close saves'
export XDG_CONFIG_HOME=$saved_config

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
