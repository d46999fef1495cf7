#!/usr/bin/env bash
# Refreshes translations/brewlore_*.ts from the texts in src/: a new or
# changed text comes in unfinished, a text gone from the code goes from the
# catalogues. Translate the unfinished ones (Qt Linguist, or by hand), then
# build: the .qm files are made from the .ts files at build time.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
bin=$(qtpaths6 --query QT_INSTALL_BINS 2>/dev/null || echo /usr/lib/qt6/bin)
"$bin/lupdate" -silent -recursive src -extensions cpp,h -locations none -no-obsolete \
    -source-language en -ts translations/brewlore_tr.ts translations/brewlore_el.ts "$@"
