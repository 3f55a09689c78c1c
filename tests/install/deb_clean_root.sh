#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The package on a machine that has nothing but Debian 12's minimal base: a fresh debootstrap
# root, `apt-get install ./tessaly_*.deb` fetching what the package depends on, and then the
# installed tessaly, run inside that root, opens its window on this test's own display (reached
# through the server's abstract socket), saves its place on the close box and ends cleanly.
# Needs root and Debian's package archive; exit 77 (skipped) when not root.
# Usage: deb_clean_root.sh PACKAGE_DIR CACHE_DIR
source "$(dirname "$0")/../xvfb/lib.sh"
packages=${1:?folder holding the .deb} cache=${2:?folder for downloaded packages}
if [ "$(id -u)" -ne 0 ]; then
    echo "skipped: debootstrap and chroot need root"
    exit 77
fi
command -v debootstrap >/dev/null || fail "debootstrap is missing; run scripts/install-deps.sh"
debs=("$packages"/*.deb)
assert_eq "${#debs[@]}" 1 'one package to install'

# debootstrap is a shell script that cannot make a root, nor keep its cache, on a path with a
# space: a checkout at such a path has both under /var/tmp instead.
base=${TMPDIR:-/tmp}
if [[ "$base$cache" == *[[:space:]]* ]]; then
    base=/var/tmp
    cache=/var/tmp/tessaly-debootstrap-cache
fi
mkdir -p "$cache"
# The root holds hundreds of megabytes: it goes also when the test fails, while the logs stay.
root=$(mktemp -d "$base/tessaly-clean-root.XXXXXX")
remove_root() {
    local status=$?
    rm -rf "$root"
    return "$status"
}
trap 'remove_root; xv_cleanup' EXIT
debootstrap --variant=minbase --cache-dir="$(cd "$cache" && pwd)" bookworm "$root" \
    >"$XV_TMP/debootstrap.log" 2>&1 || fail "debootstrap failed: $(tail -n 5 "$XV_TMP/debootstrap.log")"
echo "ok - a fresh Debian 12 minimal root"
in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root "$@"; }

cp "${debs[0]}" "$root/tmp/"
in_root apt-get update -qq >"$XV_TMP/apt.log" 2>&1 || fail "apt-get update failed"
in_root DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "/tmp/$(basename "${debs[0]}")" >>"$XV_TMP/apt.log" 2>&1 ||
    fail "apt-get install failed: $(tail -n 5 "$XV_TMP/apt.log")"
# shellcheck disable=SC2016 # dpkg-query's own ${Status}
assert_eq "$(in_root dpkg-query -W -f='${Status}' tessaly fonts-ipafont-gothic)" \
    'install ok installedinstall ok installed' 'tessaly and its font are installed'
assert_eq "$(in_root tessaly-cli H7 35 | sed -n 's/^upper: //p')" +0.025 'tessaly-cli answers'

xv_start
cp "$XAUTHORITY" "$root/tmp/Xauthority"
start_program chroot "$root" /usr/bin/env -i PATH=/usr/bin:/bin HOME=/root \
    DISPLAY="$DISPLAY" XAUTHORITY=/tmp/Xauthority QT_QPA_PLATFORM=xcb tessaly
wid=$(wait_window '^Morvane' 20)
echo "ok - the installed tessaly opens its window"
screenshot "$wid" clean-root >/dev/null
close_window "$wid"
wait_program
assert_eq "$XV_EXIT" 0 'the close box ends it cleanly'
assert_true 'it saved its place in the root user settings' \
    grep -q '^X1=' "$root/root/.config/Kelvan.ini"
