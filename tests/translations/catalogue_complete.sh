#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The English catalogue is complete: lupdate run over the translated sources into a copy of
# translations/tessaly_en.ts finds no text that is new (unfinished), gone (vanished or obsolete)
# or changed, and the copy is the committed file byte for byte. A text added or reworded in the
# sources fails here until `cmake --build build --target update_translations` has brought it in
# and it is translated.
# Usage: catalogue_complete.sh path/to/lupdate source-folder
set -euo pipefail
LUPDATE=${1:?path of lupdate}
SOURCE=${2:?the source folder}
work=$(mktemp -d "${TMPDIR:-/tmp}/tessaly-catalogue.XXXXXX")
trap 'rm -rf "$work"' EXIT
catalogue=$SOURCE/translations/tessaly_en.ts
cp "$catalogue" "$work/tessaly_en.ts"
(cd "$SOURCE" && "$LUPDATE" -silent -locations none -no-ui-lines -I . workbench stack desktop \
    -ts "$work/tessaly_en.ts")
status=0
if grep -n 'type="unfinished"\|type="vanished"\|type="obsolete"' "$work/tessaly_en.ts" |
    sed 's/^/catalogue: not translated or gone: /' >&2; then
    status=1
fi
if ! diff -u "$catalogue" "$work/tessaly_en.ts" >&2; then
    echo "catalogue: translations/tessaly_en.ts is not as lupdate writes it from the sources" >&2
    status=1
fi
[ "$status" -ne 0 ] || echo "catalogue: $(grep -c '<message' "$catalogue") texts, all translated"
exit "$status"
