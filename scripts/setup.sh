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
    "${apt[@]}" update -qq
    "${apt[@]}" install -y -qq --no-install-recommends "${missing[@]}"
fi
