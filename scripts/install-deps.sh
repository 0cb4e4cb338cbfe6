#!/usr/bin/env bash
# Installs what building, running and testing Tikloom need on Debian 12.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

PACKAGES=(
    # build
    g++ cmake make pkg-config clang-format
    qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-image-formats-plugins
    libxcb1-dev libxcb-shape0-dev libxcb-xfixes0-dev libxcb-keysyms1-dev libgl-dev
    # fonts the themes and the customizer form use (sans, serif, Japanese)
    fonts-dejavu-core fonts-liberation2 fonts-noto-cjk
    # end-to-end tests: X server, window manager, compositors, tray, input driving
    xvfb xdotool x11-utils x11-apps openbox picom xcompmgr trayer imagemagick procps
)

missing=()
for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
