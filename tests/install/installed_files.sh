#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# What `cmake --install` puts where: the programs, the desktop entry, the metainfo and the icon
# at every size, each file named by the one application ID and naming it inside; under the
# prefix asked for and below DESTDIR only.
# Usage: installed_files.sh BUILD_DIR APP_ID ICON_SIZES FITS_APP_ID STACK_APP_ID
#        (ICON_SIZES: "16 24 …" as drawn)
set -euo pipefail
build=${1:?build folder} id=${2:?application ID} sizes=${3:?icon sizes}
fits_id=${4:?application ID of the workbench} stack_id=${5:?application ID of the stack-up}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/tessaly-install.XXXXXX")
trap 'rm -rf "$work"' EXIT

failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }
ok() { echo "ok - $*"; }
check() {
    local what=$1
    shift
    if "$@"; then ok "$what"; else fail "$what"; fi
}

read -r -a sizes <<<"$sizes"
expected_files() {
    local prefix=$1
    echo "$prefix/bin/tessaly"
    echo "$prefix/bin/tessaly-cli"
    echo "$prefix/bin/tessaly-fits"
    echo "$prefix/bin/tessaly-stack"
    echo "$prefix/share/doc/tessaly/copyright"
    local app
    for app in "$id" "$fits_id" "$stack_id"; do
        echo "$prefix/share/applications/$app.desktop"
        echo "$prefix/share/metainfo/$app.metainfo.xml"
        for s in "${sizes[@]}"; do echo "$prefix/share/icons/hicolor/${s}x$s/apps/$app.png"; done
    done
}

for prefix in /usr /opt/tessaly; do
    root=$work/root${prefix//\//_}
    "$here/stage.sh" "$build" "$root" "$prefix"
    # Exactly these files, nothing outside the prefix, nothing left out.
    if diff <(cd "$root" && find . -type f | sed 's|^\.||' | sort) \
        <(expected_files "$prefix" | sort) >"$work/diff"; then
        ok "prefix $prefix: exactly the four programs, three entries, metainfo and icons, the copyright"
    else
        fail "files under prefix $prefix differ from the list: $(cat "$work/diff")"
    fi
    check "prefix $prefix: the four programs executable" \
        test -x "$root$prefix/bin/tessaly" -a -x "$root$prefix/bin/tessaly-cli" \
        -a -x "$root$prefix/bin/tessaly-fits" -a -x "$root$prefix/bin/tessaly-stack"
done

root=$work/root_usr/usr
entry=$root/share/applications/$id.desktop
metainfo=$root/share/metainfo/$id.metainfo.xml

# Each icon has the size its folder says.
for s in "${sizes[@]}"; do
    icon=$root/share/icons/hicolor/${s}x$s/apps/$id.png
    check "icon ${s}x$s is a ${s}x$s PNG" test "$(identify -format '%m %wx%h' "$icon")" = "PNG ${s}x$s"
done

# The ID inside the files, spelled as in their names.
value() { sed -n "s/^$1=//p" "$entry"; }
check "desktop entry: Icon= is the ID" test "$(value Icon)" = "$id"
check "desktop entry: Exec= runs the installed tessaly" test "$(value Exec)" = tessaly
check "desktop entry: English and Japanese name and comment" \
    test -n "$(value Name)" -a -n "$(value 'Name\[ja\]')" -a -n "$(value Comment)" -a -n "$(value 'Comment\[ja\]')"
check "desktop entry: an engineering application" grep -qx 'Categories=.*Engineering;.*' "$entry"
check "metainfo: <id> is the ID" grep -q "<id>$id</id>" "$metainfo"
check "metainfo: launches the desktop entry" \
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo"
check "metainfo: licences" grep -q '<metadata_license>CC0-1.0</metadata_license>' "$metainfo"
check "metainfo: the project is MIT-licensed" grep -q '<project_license>MIT</project_license>' "$metainfo"
# No other spelling of the ID anywhere: every reverse-DNS name in them is the ID itself.
others=$(grep -ohE '\b[A-Za-z]{2,}(\.[A-Za-z0-9_-]+){3}' "$entry" "$metainfo" |
    sed -E 's/\.(desktop|png|metainfo\.xml)$//' | sort -u | grep -vx "$id" || true)
check "no other spelling of the ID (${others:-none})" test -z "$others"
# The window names its desktop entry by the same ID (a QString literal: UTF-16 in the binary).
check "tessaly carries the ID" grep -qxF "$id" <(strings -el "$root/bin/tessaly")

# The workbench's entry and metainfo, by its own ID; it carries the ID too.
fits_entry=$root/share/applications/$fits_id.desktop
fits_metainfo=$root/share/metainfo/$fits_id.metainfo.xml
check "workbench entry: Icon= is its ID, Exec= tessaly-fits" \
    test "$(sed -n 's/^Icon=//p' "$fits_entry") $(sed -n 's/^Exec=//p' "$fits_entry")" = "$fits_id tessaly-fits"
check "workbench metainfo: <id> and launchable are its ID" grep -q \
    "<launchable type=\"desktop-id\">$fits_id.desktop</launchable>" "$fits_metainfo"
check "tessaly-fits carries its ID" grep -qxF "$fits_id" <(strings -el "$root/bin/tessaly-fits")

# The stack-up's, likewise; its entry hands it the file a file manager opens.
stack_entry=$root/share/applications/$stack_id.desktop
check "stack-up entry: Icon= is its ID, Exec= tessaly-stack with a file" \
    test "$(sed -n 's/^Icon=//p' "$stack_entry") $(sed -n 's/^Exec=//p' "$stack_entry")" = "$stack_id tessaly-stack %f"
check "stack-up metainfo: <id> and launchable are its ID" grep -q \
    "<launchable type=\"desktop-id\">$stack_id.desktop</launchable>" \
    "$root/share/metainfo/$stack_id.metainfo.xml"
check "tessaly-stack carries its ID" grep -qxF "$stack_id" <(strings -el "$root/bin/tessaly-stack")

# The installed programs run from where they were installed.
check "installed tessaly-cli answers" test "$("$root/bin/tessaly-cli" H7 35 | sed -n 's/^upper: //p')" = +0.025

exit "$failed"
