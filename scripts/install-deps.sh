#!/usr/bin/env bash
# Installs the Debian packages that building and running the program need:
#   install-deps.sh            those and what the tests need (their consumers of the generated
#                              output, the sanitizer build, and the node modules of the browser
#                              tests from tests/node's package-lock.json)
#   install-deps.sh --program  only what building and running the program needs
# Skips what is present.
set -euo pipefail

program_packages=(
    cmake
    ninja-build
    g++
    qt6-base-dev
    unixodbc
    unixodbc-dev
    odbc-postgresql
)
test_packages=(
    libgtest-dev
    locales
    postgresql-15
    mono-devel
    libxml2-utils
    nodejs
    clang
    libclang-rt-14-dev
    nginx
    mono-fastcgi-server4
    chromium
)

packages=("${program_packages[@]}")
with_tests=1
if [ "${1:-}" = "--program" ]; then
    with_tests=0
else
    packages+=("${test_packages[@]}")
fi

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

if [ "$with_tests" -eq 0 ]; then
    exit 0
fi

# npm ci again only when the lock file changed since the last install.
node_tests="$(dirname "$0")/../tests/node"
if ! cmp -s "$node_tests/package-lock.json" "$node_tests/node_modules/.package-lock.json.installed"; then
    (cd "$node_tests" && npm ci --no-audit --no-fund)
    cp "$node_tests/package-lock.json" "$node_tests/node_modules/.package-lock.json.installed"
fi
