#!/usr/bin/env bash
# Installs what is missing and runs the real start-up and windows natively on
# Wayland, under a headless Weston: start, one reading (the real four-second
# reveal), Back, Exit, which must end with status 0. Every step is bounded in
# time, and Weston is stopped however the run ends. Then the program itself
# starts there, through its own main(), with nothing but WAYLAND_DISPLAY set.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh weston qt6-wayland
build_dir=${BREWLORE_BUILD_DIR:-build}
cmake --preset default -B "$build_dir" >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)" --target brewlore_wayland_smoke brewlore

fail() {
    echo "wayland-check: $*" >&2
    exit 1
}

scratch="$(mktemp -d)"
runtime="$scratch/runtime"
mkdir -m 700 "$runtime" "$scratch/home"
weston_pid=
stop_weston() {
    if [ -n "$weston_pid" ]; then
        kill "$weston_pid" 2>/dev/null || true
        wait "$weston_pid" 2>/dev/null || true
    fi
    rm -rf "$scratch"
}
trap stop_weston EXIT

# Weston 10 (Debian 12) loads its backend by file name; later ones by name.
weston_version="$(weston --version | sed -n 's/^weston \([0-9.]*\).*/\1/p')"
backend=headless
[ "${weston_version%%.*}" -lt 11 ] && backend=headless-backend.so
socket=brewlore-smoke
XDG_RUNTIME_DIR="$runtime" timeout 120 \
    weston --backend="$backend" --socket="$socket" --idle-time=0 >"$scratch/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do
    [ -S "$runtime/$socket" ] && break
    kill -0 "$weston_pid" 2>/dev/null || break
    sleep 0.1
done
if [ ! -S "$runtime/$socket" ]; then
    cat "$scratch/weston.log" >&2
    fail "Weston $weston_version did not open its socket"
fi

# Its own home and settings: the start-up's reminder date lands there.
status=0
env -u DISPLAY -u QT_LOGGING_RULES XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" \
    QT_QPA_PLATFORM=wayland HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/.config" \
    timeout 60 "$build_dir/tools/brewlore_wayland_smoke" || status=$?
if [ "$status" -ne 0 ]; then
    tail -n 20 "$scratch/weston.log" >&2
    fail "the run on Weston $weston_version ended with status $status"
fi
echo "wayland-check: start, one reading, Back and Exit on Weston $weston_version: status 0"

# The program itself, through its own main(): the display check lets it on,
# Qt picks the Wayland plugin from WAYLAND_DISPLAY alone, and the window
# program runs until it is told to end.
env -u DISPLAY -u QT_QPA_PLATFORM -u QT_LOGGING_RULES XDG_RUNTIME_DIR="$runtime" \
    WAYLAND_DISPLAY="$socket" HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/program" \
    "$build_dir/src/app/brewlore" >"$scratch/program.log" 2>&1 &
program=$!
sleep 3
if ! kill -0 "$program" 2>/dev/null; then
    wait "$program" && status=0 || status=$?
    cat "$scratch/program.log" >&2
    fail "brewlore ended by itself on Weston $weston_version (status $status)"
fi
kill "$program"
wait "$program" 2>/dev/null || true
[ -f "$scratch/program/brewlore/brewlore.lock" ] || fail "brewlore did not start its window program"
if [ -s "$scratch/program.log" ]; then
    cat "$scratch/program.log" >&2
    fail "brewlore said something on Weston $weston_version"
fi
echo "wayland-check: brewlore itself starts natively on Weston $weston_version"
