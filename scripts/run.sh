#!/usr/bin/env bash
# Installs what is missing, builds and starts Brewlore.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
exec "${BREWLORE_BUILD_DIR:-build}/src/app/brewlore"
