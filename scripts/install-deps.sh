#!/usr/bin/env bash
# Installs every Debian package the project needs; skips what is present.
set -euo pipefail

packages=(
    cmake
    ninja-build
    g++
    libgtest-dev
    locales
    qt6-base-dev
    postgresql-15
    mono-devel
    libxml2-utils
    nodejs
    clang
    libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
"${sudo_cmd[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
