#!/usr/bin/env bash
# Brings translations/lumdialogs_de.ts up to date with the source texts of the code and the forms:
# new texts come in unfinished, texts no longer used are dropped. Translate the unfinished ones
# with Qt Linguist (linguist translations/lumdialogs_de.ts). lumdialogs_en.ts holds only
# corrections and is kept by hand.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
"$lupdate" -no-obsolete -locations none -source-language en -target-language de \
    libs poslib lumlib framework editors cards cashoffice promotions forms apps \
    -ts translations/lumdialogs_de.ts
