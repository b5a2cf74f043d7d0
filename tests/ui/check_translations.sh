#!/usr/bin/env bash
# Every text of the windows has its English translation: lupdate run over the sources finds no
# text that the shipped translation lacks.
set -euo pipefail
source_dir=$1
lupdate=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$source_dir/src/ui/translations/dorvane_en.ts" "$work/en.ts"
"$lupdate" -I "$source_dir/src" -locations none -no-obsolete "$source_dir/src/ui" "$source_dir/src/ports" -ts "$work/en.ts" >/dev/null
if grep -q 'type="unfinished"' "$work/en.ts"; then
    echo "Texts without an English translation:"
    grep -A1 '<source>' "$work/en.ts" | grep -B1 'type="unfinished"' | grep '<source>'
    exit 1
fi
echo "every text of the windows is translated"
