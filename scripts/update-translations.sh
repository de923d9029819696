#!/bin/bash
# Brings every translations/koloriton_<code>.ts up to date with the texts marked for translation
# under src/: new texts come in unfinished, texts no longer in the program go out. A new language
# starts with `scripts/update-translations.sh <code>`, which makes its file first.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
for code in "$@"; do
    file="translations/koloriton_${code}.ts"
    [ -e "$file" ] || "$lupdate" -silent -source-language ru -target-language "$code" src -ts "$file"
done
for file in translations/koloriton_*.ts; do
    code=$(basename "$file" .ts)
    code=${code#koloriton_}
    "$lupdate" -silent -no-obsolete -locations none -source-language ru -target-language "$code" src -ts "$file"
done
