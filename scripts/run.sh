#!/usr/bin/env bash
# Installs what is missing, builds and starts Brewlore with the arguments given
# (scripts/run.sh --reading, for one). Qt's Wayland plugin lets it run natively
# on a Wayland desktop; without any display it says so in one line and ends
# with status 1.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh qt6-wayland
scripts/build.sh
exec "${BREWLORE_BUILD_DIR:-build}/src/app/brewlore" "$@"
