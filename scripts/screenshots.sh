#!/usr/bin/env bash
# Installs what is missing, builds and renders a PNG of every window into
# docs/, once for each language named (default: en tr el; English pictures
# have no language in their names), the reading window also with each
# language's widest symbol name and longest meaning, and one of the main
# window at 200 %.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
build_dir=${BREWLORE_BUILD_DIR:-build}
cmake --build "$build_dir" --target brewlore_screenshots
languages=("$@")
((${#languages[@]})) || languages=(en tr el)
for language in "${languages[@]}"; do
    QT_QPA_PLATFORM=offscreen "$build_dir/tools/brewlore_screenshots" docs "$language"
done
# The main window once more on a screen scaled to 200 %.
QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 "$build_dir/tools/brewlore_screenshots" docs en main-window
