#!/usr/bin/env bash
# Builds Tikloom for 64-bit Windows on Debian 12 with MinGW-w64 and packs
# build-windows/tikloom-VERSION-windows-x64.zip.
#
# The first run builds Qt for Windows from Debian's own source package into a
# cache folder outside the tree (TIKLOOM_WINDOWS_CACHE, default
# ~/.cache/tikloom-windows); later runs reuse it, and rebuild it only when its
# recipe below changes. Installs what is missing (cross compiler, Ninja, Wine).
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
CACHE="${TIKLOOM_WINDOWS_CACHE:-$HOME/.cache/tikloom-windows}"
BUILD="${TIKLOOM_WINDOWS_BUILD:-$ROOT/build-windows}"
TRIPLE=x86_64-w64-mingw32
TOOLCHAIN="$ROOT/cmake/mingw-w64-x86_64.cmake"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

# --- What the build needs -----------------------------------------------------
PACKAGES=(g++-mingw-w64-x86-64-posix ninja-build cmake dpkg-dev zip wine wine64
    qt6-base-dev qt6-base-dev-tools qt6-tools-dev-tools)
missing=()
for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# Qt's source comes from the same archive as the installed packages: add a
# deb-src entry for bookworm's main beside the deb one when none is there.
SOURCES=/etc/apt/sources.list.d/tikloom-bookworm-src.sources
if ! grep -rqsE '^(Types:.*deb-src|deb-src )' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    printf '%s\n' "Types: deb-src" "URIs: http://deb.debian.org/debian" "Suites: bookworm" \
        "Components: main" "Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg" |
        $SUDO tee "$SOURCES" >/dev/null
    need_update=1
fi
if [ ${#missing[@]} -gt 0 ] || [ -n "${need_update:-}" ]; then
    $SUDO apt-get update -qq
fi
if [ ${#missing[@]} -gt 0 ]; then
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi

# --- Qt for Windows, once ---------------------------------------------------
# Gui, Widgets, Network and Test with their third-party libraries bundled.
# Accessibility and tablet events are off because Debian's tarball lacks
# their Windows sources; OpenGL stays on (dynamic), without it the Windows
# platform plugin of 6.4 does not compile.
QT_OPTIONS=(
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_accessibility=OFF -DFEATURE_tabletevent=OFF
    -DFEATURE_sql=OFF -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
    -DFEATURE_dbus=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
    -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF
)
recipe=$( (printf '%s\n' "${QT_OPTIONS[@]}"; cat "$TOOLCHAIN"; ${TRIPLE}-g++-posix --version | head -1) |
    sha256sum | cut -c1-16)
QT="$CACHE/qt-$recipe"
if [ ! -f "$QT/.complete" ]; then
    echo "Building Qt for Windows into $QT (once; about an hour on two cores)..."
    started=$(date +%s)
    rm -rf "$CACHE/source" "$CACHE/qt-build" "$QT"
    mkdir -p "$CACHE/source"
    (cd "$CACHE/source" && apt-get source -qq --download-only qt6-base >/dev/null &&
        dpkg-source -x --no-check ./*.dsc qtbase >/dev/null)
    cmake -S "$CACHE/source/qtbase" -B "$CACHE/qt-build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" -DCMAKE_INSTALL_PREFIX="$QT" "${QT_OPTIONS[@]}" \
        >"$CACHE/qt-configure.log"
    cmake --build "$CACHE/qt-build" -j2 >"$CACHE/qt-build.log"
    cmake --install "$CACHE/qt-build" >/dev/null
    # Qt's LGPL text and where its source came from travel with the zip.
    mkdir -p "$QT/share/tikloom-licences"
    cp "$CACHE/source/qtbase/LICENSES/LGPL-3.0-only.txt" "$CACHE/source/qtbase/LICENSES/GPL-3.0-only.txt" \
        "$QT/share/tikloom-licences/"
    (cd "$CACHE/source" && ls ./*.dsc | sed 's|^\./||') >"$QT/share/tikloom-licences/qt-source"
    echo "$(($(date +%s) - started)) s" >"$QT/.complete"
    rm -rf "$CACHE/qt-build"
    echo "Qt for Windows built in $(cat "$QT/.complete"), $(du -sh "$QT" | cut -f1)."
fi
