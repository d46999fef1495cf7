#!/usr/bin/env bash
# Configures and builds into build/ (or $BREWLORE_BUILD_DIR), passing extra
# arguments to CMake's configure step.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BREWLORE_BUILD_DIR:-build}
cmake -S . -B "$build_dir" "$@" >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)"
