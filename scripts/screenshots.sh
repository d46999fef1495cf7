#!/usr/bin/env bash
# Installs what is missing, builds and renders a PNG of every window into docs/,
# and one of the main window at 200 %.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
build_dir=${BREWLORE_BUILD_DIR:-build}
cmake --build "$build_dir" --target brewlore_screenshots
QT_QPA_PLATFORM=offscreen "$build_dir/tools/brewlore_screenshots" docs
# The main window once more on a screen scaled to 200 %.
QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 "$build_dir/tools/brewlore_screenshots" docs main-window
