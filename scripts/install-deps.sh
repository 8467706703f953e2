#!/usr/bin/env bash
# Installs every Debian package the project needs, then the node modules of the browser tests
# (tests/node, from its package-lock.json); skips what is present.
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
    nginx
    mono-fastcgi-server4
    chromium
    unixodbc
    unixodbc-dev
    odbc-postgresql
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -ne 0 ]; then
    sudo_cmd=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo_cmd=(sudo)
    fi
    "${sudo_cmd[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
    # The tests start nginx themselves on loopback ports; the system's own server stays off.
    if command -v systemctl >/dev/null && systemctl is-active --quiet nginx 2>/dev/null; then
        "${sudo_cmd[@]}" systemctl disable --now nginx
    fi
fi

# npm ci again only when the lock file changed since the last install.
node_tests="$(dirname "$0")/../tests/node"
if ! cmp -s "$node_tests/package-lock.json" "$node_tests/node_modules/.package-lock.json.installed"; then
    (cd "$node_tests" && npm ci --no-audit --no-fund)
    cp "$node_tests/package-lock.json" "$node_tests/node_modules/.package-lock.json.installed"
fi
