#!/usr/bin/env bash
# Configures with the default preset and builds into build/ (or
# $BREWLORE_BUILD_DIR), passing extra arguments to CMake's configure step.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BREWLORE_BUILD_DIR:-build}
cmake --preset default -B "$build_dir" "$@" >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)"
