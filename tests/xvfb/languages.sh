#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The language of the workbench and the stack-up as a Linux desktop gives it, through the real
# programs: LANGUAGE, LC_ALL, LC_MESSAGES and LANG, the first of them that names Japanese or
# English deciding, English where none does. View → Language by its keys (Alt+V, L, J) turns the
# open window to Japanese at once, and the next start keeps it whatever the desktop says. Under a
# German locale (decimal comma) the figures Ctrl+C copies keep their full stop.
# Usage: languages.sh path/to/tessaly-fits path/to/tessaly-stack
source "$(dirname "$0")/lib.sh"
FITS=${1:?path of tessaly-fits}
STACK=${2:?path of tessaly-stack}
xv_start
unset TESSALY_LANGUAGE # the desktop's own variables decide here
export DBUS_SESSION_BUS_ADDRESS=disabled:
desktop=(env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG -u LC_NUMERIC)

# The program opens with the title, under the variables given. Found by its first word and read
# whole: a Japanese title is not matched by xdotool's search where the program's locale is not
# generated on this machine, though it is the window's name.
opens() { # title program [VARIABLE=value...]
    start_program "${desktop[@]}" "${@:3}" "$2"
    wid=$(wait_window '^Tessaly ')
    assert_eq "$(xq xdotool getwindowname "$wid")" "$1" "the title under ${*:3}"
    close_window "$wid"
    wait_program
}
opens 'Tessaly Fits' "$FITS" LANG=en_US.UTF-8
opens 'Tessaly はめあい計算' "$FITS" LANG=ja_JP.UTF-8
opens 'Tessaly Fits' "$FITS"
opens 'Tessaly はめあい計算' "$FITS" LANG=en_US.UTF-8 LC_MESSAGES=ja_JP.UTF-8
opens 'Tessaly Fits' "$FITS" LANG=ja_JP.UTF-8 LC_ALL=en_GB.UTF-8
opens 'Tessaly はめあい計算' "$FITS" LANGUAGE=fr:ja:en LANG=en_US.UTF-8
opens 'Tessaly Fits' "$FITS" LANG=de_DE.UTF-8
opens 'Tessaly Tolerance Stack-up' "$STACK" LANG=en_US.UTF-8

# By hand, at once, and kept for the next start.
start_program "${desktop[@]}" LANG=en_US.UTF-8 "$FITS"
wid=$(wait_window '^Tessaly Fits$')
xq xdotool windowactivate --sync "$wid" >/dev/null || fail "cannot activate the window"
key alt+v
key l
key j
title_is() { test "$(xq xdotool getwindowname "$wid")" = "$1"; }
wait_until "View → Language → Japanese: the title at once" title_is 'Tessaly はめあい計算'
close_window "$wid"
wait_program
assert_eq "$(sed -n 's/^language=//p' "$XDG_CONFIG_HOME/Kelvan/TessalyFits.ini")" ja \
    'the choice kept with the inputs'
opens 'Tessaly はめあい計算' "$FITS" LANG=en_US.UTF-8
rm -f "$XDG_CONFIG_HOME/Kelvan/TessalyFits.ini"

# A German desktop: the window in English, its figures with a full stop.
mkdir -p "$XDG_CONFIG_HOME/Kelvan"
printf '[inputs]\nsize=50\nhole=H7\nshaft=s6\nedition=0\n\n[service]\nopen=true\n%s\n' \
    'holeMaterial=S45C
shaftMaterial=S45C
holeCelsius=80
hubOuter=80
jointLength=40
friction=0.15' >"$XDG_CONFIG_HOME/Kelvan/TessalyFits.ini"
start_program "${desktop[@]}" LANG=de_DE.UTF-8 LC_NUMERIC=de_DE.UTF-8 "$FITS"
wid=$(wait_window '^Tessaly Fits$')
xq xdotool windowactivate --sync "$wid" >/dev/null || fail "cannot activate the window"
key ctrl+c
service_copied() { clipboard | grep -q MPa; }
wait_until "Ctrl+C copies the fit in service" service_copied
copied=$(clipboard)
close_window "$wid"
wait_program
case $copied in
*"Contact pressure (minimum interference) "[0-9]*.[0-9]*" MPa"*) ;;
*) fail "no contact pressure with a full stop in what was copied: $copied" ;;
esac
if grep -Eq '[0-9],[0-9]' <<<"$copied"; then
    fail "a decimal comma in what was copied: $copied"
fi
echo "languages: copied under de_DE: $(grep -m1 'Contact pressure' <<<"$copied")"
