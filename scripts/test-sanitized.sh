#!/usr/bin/env bash
# Installs what is missing, builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer into build-asan/ and runs the whole test suite
# there. Any report, a leak included, ends the process that made it with an
# error, so the test fails; known leaks inside other libraries are suppressed
# by name in tests/sanitizers/lsan.supp. CTest hands every test the options,
# which CMakeLists.txt sets beside the compiler's.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build_dir=${BREWLORE_ASAN_BUILD_DIR:-build-asan}
cmake --preset sanitized -B "$build_dir" >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)"
ctest --preset sanitized --test-dir "$build_dir" --parallel "$(nproc)"
