#!/usr/bin/env bash
# Installs what is missing, builds and runs the benchmark, which prints one
# table: the processor time and the timing of a reveal with the program's
# event-loop pause against a spinning pause, and the start-up time and peak
# memory of the real program beside a bare Qt window, then the memory after
# 10 and after 300 readings. It runs on its own X
# server (Xvfb) without a window manager, so that it can watch the windows
# being mapped.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh xvfb xauth libxcb1-dev libxcb-xtest0-dev
build_dir=build-bench
cmake --preset release -B "$build_dir" >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)" --target brewlore_bench
exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$build_dir/bench/brewlore_bench"
