#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs every package the build, the program and the tests need on Debian 12.
set -euo pipefail
packages=(
    build-essential cmake ninja-build pkg-config clang-format
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libhidapi-dev libudev-dev libglib2.0-dev libx11-dev gsettings-desktop-schemas dbus-daemon
    libgtest-dev libgmock-dev googletest libbenchmark-dev
    xvfb xauth xdotool x11-utils imagemagick python3 openbox trayer
    fonts-liberation2 fonts-wqy-microhei
    clang libclang-rt-14-dev
    weston qt6-wayland
    dpkg-dev file lintian desktop-file-utils appstream
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
