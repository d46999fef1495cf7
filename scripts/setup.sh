#!/usr/bin/env bash
# Installs the Debian packages that building and testing Brewlore needs,
# skipping those already present. Uses sudo only when not root.
set -euo pipefail

packages=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev libfontconfig-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    fonts-dejavu-core
)

missing=()
for p in "${packages[@]}" "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if ((${#missing[@]})); then
    sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null; then
            echo "Missing packages; as root, run: apt-get install ${missing[*]}" >&2
            exit 1
        fi
        sudo=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    # sudo resets the environment: pass the frontend through env, or apt may
    # stop at a question. A fresh desktop often runs its automatic updates
    # just after it boots, and other set-ups may run beside this one: wait
    # up to ten minutes for apt's locks rather than fail at once.
    apt=("${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600)
    # apt's timeout covers the lock of the packages, not that of their
    # lists, which an update takes: for that one, ask again while it is held.
    errors=$(mktemp)
    for waited in $(seq 0 5 600); do
        "${apt[@]}" update -qq 2>"$errors" && break
        if ! grep -q "Could not get lock" "$errors" || [ "$waited" -eq 600 ]; then
            cat "$errors" >&2
            exit 1
        fi
        [ "$waited" -gt 0 ] || echo "Waiting for apt's lock, held by another program"
        sleep 5
    done
    rm -f "$errors"
    "${apt[@]}" install -y -qq --no-install-recommends "${missing[@]}"
fi
