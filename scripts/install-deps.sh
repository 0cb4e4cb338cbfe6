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
    # locales for the caption's time formatting
    locales
    # end-to-end tests: X server, window manager, compositors, tray, input driving
    xvfb xdotool x11-utils x11-apps openbox picom xcompmgr trayer imagemagick procps
    # hostile-input tests and fuzzing: a fake wall clock, a flood client, libFuzzer
    faketime python3 clang libclang-rt-14-dev
)

missing=()
for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi

# The caption's locales (the theme's Language names map to these).
LOCALES=(en_US.UTF-8 en_GB.UTF-8 de_DE.UTF-8 fr_FR.UTF-8 ja_JP.UTF-8)
need_gen=0
for l in "${LOCALES[@]}"; do
    norm=$(echo "$l" | sed 's/UTF-8/utf8/')
    locale -a 2>/dev/null | grep -qx "$norm" || need_gen=1
done
if [ $need_gen -eq 1 ]; then
    for l in "${LOCALES[@]}"; do
        grep -q "^$l UTF-8" /etc/locale.gen 2>/dev/null || echo "$l UTF-8" | $SUDO tee -a /etc/locale.gen >/dev/null
    done
    $SUDO locale-gen >/dev/null
fi
