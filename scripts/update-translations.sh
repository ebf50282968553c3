#!/usr/bin/env bash
# Writes the translation files (resources/translations/xvexoview_<code>.ts) from the sources:
# every text the program shows, the Qt code's tr() and translate() and the core's XV_TEXT
# markers alike. Run it after adding or changing a text, then translate what it marks
# unfinished (Qt Linguist, or by hand); the build compiles the files with lrelease.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
for code in en ko ja; do
  "$lupdate" -silent -no-obsolete -locations none -source-language zh_CN -target-language "$code" \
    -tr-function-alias QT_TRANSLATE_NOOP+=XV_TEXT \
    -extensions cpp,h src tools resources/ui -ts "resources/translations/xvexoview_$code.ts"
done
