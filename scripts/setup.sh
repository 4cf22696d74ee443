#!/usr/bin/env bash
# Installs the Debian 12 packages the build needs when they are missing, then configures and
# builds the given CMake preset ("default" unless named).
set -euo pipefail
preset=${1:-default}
cd "$(dirname "$0")/.."

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev qt6-l10n-tools qt6-translations-l10n
    libqt6sql6-sqlite libqt6sql6-odbc unixodbc unixodbc-dev libsqliteodbc
    postgresql odbc-postgresql
    libbenchmark-dev libsqlite3-dev libsodium-dev zlib1g-dev rapidjson-dev
    xvfb xauth
    # Qt Charts finds the OpenGL module's CMake files, which its package does not pull in.
    qt6-charts-dev libqt6opengl6-dev
    dpkg-dev file
)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
