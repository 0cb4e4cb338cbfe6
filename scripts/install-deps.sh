#!/usr/bin/env bash
# Installs what building and running Tikloom need on Debian 12; with --tests
# also the test tools. Safe to run again: apt-get skips what is already there.
set -euo pipefail

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

PACKAGES=(
    # build
    g++ cmake make pkg-config clang-format
    qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-image-formats-plugins
    libxcb1-dev libxcb-shape0-dev libxcb-xfixes0-dev libxcb-keysyms1-dev libgl-dev
    # pointer motion and modifier changes as events (the clock at rest sleeps)
    libxcb-xinput-dev libxcb-xkb-dev
    # fonts the themes and the customizer form use (sans, serif, Japanese)
    fonts-dejavu-core fonts-liberation2 fonts-noto-cjk
)
TEST_PACKAGES=(
    # end-to-end tests: X server, window manager, compositors, tray, input driving
    xvfb xdotool x11-utils x11-apps openbox picom xcompmgr trayer imagemagick procps
    # packages and their checks
    dpkg-dev file desktop-file-utils appstream lintian groff-base
    # end-to-end tests: two monitors of one X screen (xrandr)
    x11-xserver-utils
    # hostile-input tests and fuzzing: a fake wall clock, a flood client, libFuzzer
    faketime python3 clang libclang-rt-14-dev
    # other desktops: i3, a StatusNotifier watcher on a private session bus,
    # keymap changes, and a headless sway session with XWayland and its tools
    i3-wm python3-dbus python3-gi dbus-daemon dbus-bin x11-xkb-utils
    sway xwayland foot grim wtype libwayland-dev libwayland-bin
)
if [ "${1:-}" = "--tests" ]; then PACKAGES+=("${TEST_PACKAGES[@]}"); fi

missing=()
for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
