#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the calculation sheets in docs/ as a designer does, on a display of its own: the
# workbench's PDF of 50 H7/s6 pressed into S45C (hub 80, length 40, friction 0.15) and the stack
# window's PDF of the README's chain (docs/end-play.json), each saved through ファイル → 計算書を
# PDF で保存… (Ctrl+Shift+E) and its dialog, and tessaly-cli's HTML of the same fit. Each PDF's
# pages are drawn as PNGs in build/sheet-pages/ for a look.
# Usage: scripts/sheet_examples.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=$(realpath "${1:-build}")
[ -x "$BUILD/bin/tessaly-fits" ] && [ -x "$BUILD/bin/tessaly-stack" ] &&
    [ -x "$BUILD/bin/tessaly-cli" ] || {
    cmake --preset dev >/dev/null
    nice cmake --build --preset dev -j2 --target tessaly-fits tessaly-stack tessaly-cli >/dev/null
}
DOCS=$PWD/docs
PAGES=$BUILD/sheet-pages
mkdir -p "$PAGES"
# shellcheck source=../tests/xvfb/lib.sh
source tests/xvfb/lib.sh
export DBUS_SESSION_BUS_ADDRESS=disabled:
xv_start 1600x1200x24

# The fit typed as the README's, 使用条件 open with it, from the workbench's own store.
mkdir -p "$XDG_CONFIG_HOME/Kelvan"
cat >"$XDG_CONFIG_HOME/Kelvan/TessalyFits.ini" <<'EOF'
[inputs]
size=50
hole=H7
shaft=s6
edition=0

[service]
open=true
holeMaterial=S45C
shaftMaterial=S45C
hubOuter=80
jointLength=40
friction=0.15
EOF

# The window's File menu by its key, a whole path typed into the dialog's name field, Enter.
save_sheet() { # window-title pdf
    local window dialog
    window=$(wait_window "$1")
    xq xdotool windowactivate --sync "$window" >/dev/null || fail "cannot activate $1"
    key ctrl+shift+e
    dialog=$(wait_window '^計算書を PDF で保存$')
    xq xdotool windowactivate --sync "$dialog" >/dev/null || fail "cannot activate the dialog"
    key ctrl+a
    type_text "$2"
    key Return
    wait_until "the window wrote $2" test -s "$2"
    close_window "$window"
    wait_program
}

fit_pdf=$DOCS/sheet-fit-H7-s6-50.pdf
stack_pdf=$DOCS/sheet-stack-end-play.pdf
rm -f "$fit_pdf" "$stack_pdf"
start_program "$BUILD/bin/tessaly-fits"
save_sheet '^Tessaly はめあい計算$' "$fit_pdf"
start_program "$BUILD/bin/tessaly-stack" "$DOCS/end-play.json"
# The Monte Carlo check runs on a thread of its own; the sheet takes it once it is there.
sleep 3
save_sheet 'Tessaly 公差の積み上げ$' "$stack_pdf"

"$BUILD/bin/tessaly-cli" H7/s6 50 --materials S45C/S45C --hub-diameter 80 --length 40 \
    --friction 0.15 --format html --output "$DOCS/sheet-fit-H7-s6-50.html"

for pdf in "$fit_pdf" "$stack_pdf"; do
    name=$(basename "$pdf" .pdf)
    rm -f "$PAGES/$name"-*.png
    pdftoppm -r 80 -png "$pdf" "$PAGES/$name"
    echo "sheet_examples: docs/$name.pdf, $(pdfinfo "$pdf" | awk '/^Pages:/ { print $2 }') pages," \
        "drawn in $PAGES"
done
echo "sheet_examples: docs/sheet-fit-H7-s6-50.html"
