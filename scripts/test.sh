#!/usr/bin/env bash
# Installs what is missing, builds and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
ctest --preset default --test-dir "${BREWLORE_BUILD_DIR:-build}" --parallel "$(nproc)"
