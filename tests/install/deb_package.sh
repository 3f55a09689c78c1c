#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# `cpack -G DEB` builds one package whose dependencies cover every library the programs link
# and the Japanese font; it holds exactly the installed files under /usr; unpacked with dpkg -x,
# its tessaly paints its window on a display of its own and its tessaly-cli answers.
# Usage: deb_package.sh BUILD_DIR OUT_DIR APP_ID ICON_SIZES FITS_APP_ID STACK_APP_ID
source "$(dirname "$0")/../xvfb/lib.sh"
build=${1:?build folder} out=${2:?folder for the package} id=${3:?application ID}
sizes=${4:?icon sizes} fits_id=${5:?application ID of the workbench}
stack_id=${6:?application ID of the stack-up}

rm -rf "$out"
(cd "$build" && cpack -G DEB -B "$out" >"$XV_TMP/cpack.log" 2>&1) ||
    fail "cpack failed: $(tail -n 20 "$XV_TMP/cpack.log")"
debs=("$out"/*.deb)
assert_eq "${#debs[@]}" 1 'cpack makes one package'
deb=${debs[0]}
field() { dpkg-deb --field "$deb" "$1"; }
assert_eq "$(field Package)" tessaly 'the package is named tessaly'
assert_eq "$(basename "$deb")" "tessaly_$(field Version)_$(field Architecture).deb" \
    'the file is named as Debian names packages'

# Depends: one name per entry, versions dropped.
depends=" $(field Depends | sed -E 's/ *\([^)]*\)//g; s/,/ /g') "
for package in libqt6core6 libqt6gui6 libqt6widgets6 fonts-ipafont-gothic; do
    assert_true "depends on $package" test "${depends/ $package /}" != "$depends"
done

root=$XV_TMP/root
dpkg -x "$deb" "$root"

# The package that installed a library file. With /lib merged into /usr/lib the database may
# know the file by either name.
owner_of() {
    local real candidate
    real=$(readlink -f "$1")
    for candidate in "$1" "$real" "${real#/usr}" "/usr${1#/usr}"; do
        dpkg -S "$candidate" 2>/dev/null | sed -n '1s/:.*//p' && return 0
    done
    return 1
}

# Every shared library the programs load comes from a package named in Depends.
for program in tessaly tessaly-cli tessaly-fits tessaly-stack; do
    while read -r soname; do
        # Read to the end: an early exit would end ldconfig by SIGPIPE, a failure under pipefail.
        path=$(ldconfig -p | awk -v lib="$soname" '$1 == lib && /x86-64/ && !n++ {print $NF}')
        [ -n "$path" ] || fail "$program needs $soname, which this machine does not have"
        owner=$(owner_of "$path") || fail "no package owns $path"
        assert_true "$program: $soname comes from $owner, a dependency" \
            test "${depends/ $owner /}" != "$depends"
    done < <(readelf -d "$root/usr/bin/$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
done

# Exactly what `cmake --install` puts under /usr, and nothing else.
contents=$(dpkg --contents "$deb" | awk '$1 !~ /^d/ {print $NF}' | sort)
expected=$(
    printf './usr/bin/%s\n' tessaly tessaly-cli tessaly-fits tessaly-stack
    for app in "$id" "$fits_id" "$stack_id"; do
        echo "./usr/share/applications/$app.desktop"
        echo "./usr/share/metainfo/$app.metainfo.xml"
        for s in $sizes; do echo "./usr/share/icons/hicolor/${s}x$s/apps/$app.png"; done
    done
    echo "./usr/share/doc/tessaly/copyright"
)
assert_eq "$contents" "$(sort <<<"$expected")" 'the package holds exactly the installed files'

# The unpacked programs run.
assert_eq "$("$root/usr/bin/tessaly-cli" H7/k6 35 | sed -n 's/^fit: //p')" transition \
    'the unpacked tessaly-cli answers'
xv_start
start_program "$root/usr/bin/tessaly"
wid=$(wait_window '^Morvane' 20)
read -r width height < <(xq xwininfo -id "$wid" | awk '/Width:/ {w = $2} /Height:/ {h = $2}
    END {print w, h}')
assert_eq "$width" 407 'the unpacked tessaly opens its window on the display'
assert_true "a window of the designed client height and a menu bar ($height)" \
    test "$height" -gt 390 -a "$height" -lt 420
close_window "$wid"
wait_program 20
assert_eq "$XV_EXIT" 0 'and ends cleanly when closed'
