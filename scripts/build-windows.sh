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

# --- Tikloom for Windows --------------------------------------------------------
# Qt's toolchain file finds the cross-built Qt and hands over to ours for the
# compilers; Wine runs the test programs when ctest asks for them.
VERSION=$(sed -n 's/^project(Tikloom VERSION \([0-9][0-9.]*\).*/\1/p' "$ROOT/CMakeLists.txt")
LAUNCHER=()
if command -v ccache >/dev/null; then LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
mkdir -p "$BUILD"
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$QT/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$TOOLCHAIN" -DCMAKE_CROSSCOMPILING_EMULATOR=wine \
    "${LAUNCHER[@]}" >"$BUILD/configure.log"
cmake --build "$BUILD" -j"${TIKLOOM_JOBS:-2}" \
    --target tikloom tikstyle tikloom-theme unit_tests program_folder >"$BUILD/build.log"

# --- The zip ----------------------------------------------------------------------
# One folder as a user unpacks it: the programs, the DLLs they load, Qt's
# plugins in their sub-folders, Themes\ and the language files. tikloom.ini is
# made beside the programs at run time.
PACKAGE="tikloom-$VERSION"
ZIP="$BUILD/$PACKAGE-windows-x64.zip"
STAGE="$BUILD/package/$PACKAGE"
rm -rf "$BUILD/package" "$ZIP"
mkdir -p "$STAGE"/{platforms,imageformats,styles,Licences}
PROGRAMS=(tikloom.exe tikstyle.exe tikloom-theme.exe)
for program in "${PROGRAMS[@]}"; do cp "$BUILD/bin/$program" "$STAGE/"; done
cp -r "$BUILD/bin/Themes" "$STAGE/"
cp "$BUILD"/bin/*.lng "$STAGE/"
# The window system; offscreen for tikloom-theme, which draws without one.
cp "$QT"/plugins/platforms/{qwindows,qoffscreen}.dll "$STAGE/platforms/"
# The customizer opens bmp, gif, jpeg, png, tiff, wmf, emf and ico images:
# bmp and png are built into QtGui, gif, ico and jpeg are these plugins; Qt's
# base module reads no tiff, wmf or emf.
cp "$QT"/plugins/imageformats/{qgif,qico,qjpeg}.dll "$STAGE/imageformats/"
# The native look of the customizer's controls.
cp "$QT/plugins/styles/qwindowsvistastyle.dll" "$STAGE/styles/"

# The DLLs every shipped program and plugin imports, and theirs in turn, from
# Qt's bin folder and the MinGW runtime. Windows' own DLLs (those MinGW has an
# import library for, and the api-ms-win-* sets) stay out.
RUNTIME_DIRS=("$QT/bin" "$(dirname "$(${TRIPLE}-g++-posix -print-libgcc-file-name)")" "/usr/$TRIPLE/lib")
imported_dlls() { # file -> the DLL names it imports
    ${TRIPLE}-objdump -p "$1" | sed -n 's/^[[:space:]]*DLL Name: //p'
}
runtime_dll() { # name -> its path in the runtime folders (names ignore case)
    find "${RUNTIME_DIRS[@]}" -maxdepth 1 -iname "$1" -print -quit
}
is_system_dll() { # name
    local base
    base=$(basename "${1,,}" .dll)
    [[ $base == api-ms-win-* ]] || [ -f "/usr/$TRIPLE/lib/lib$base.a" ]
}
mapfile -t pending < <(find "$STAGE" -iname '*.exe' -o -iname '*.dll')
declare -A seen=()
while [ ${#pending[@]} -gt 0 ]; do
    file=${pending[0]}
    pending=("${pending[@]:1}")
    for dll in $(imported_dlls "$file"); do
        [ -n "${seen[${dll,,}]:-}" ] && continue
        seen[${dll,,}]=1
        found=$(runtime_dll "$dll")
        if [ -n "$found" ]; then
            cp "$found" "$STAGE/"
            pending+=("$STAGE/$(basename "$found")")
        elif ! is_system_dll "$dll"; then
            echo "$(basename "$file") imports $dll, which is neither shipped nor part of Windows" >&2
            exit 1
        fi
    done
done
find "$STAGE" \( -iname '*.exe' -o -iname '*.dll' \) -exec ${TRIPLE}-strip --strip-unneeded {} +

# Licences: Tikloom's own, Qt's (LGPL-3.0, which builds on the GPL-3.0) with
# the notices of the libraries bundled in it, and the MinGW runtime's (GCC's
# runtime library exception to the GPL-3.0 for libgcc and libstdc++,
# winpthreads' terms).
cp "$ROOT/LICENSE" "$STAGE/LICENSE"
QT_LICENCES="$QT/share/tikloom-licences"
cp "$QT_LICENCES/LGPL-3.0-only.txt" "$STAGE/Licences/Qt-LGPL-3.0.txt"
cp "$QT_LICENCES/GPL-3.0-only.txt" "$STAGE/Licences/GPL-3.0.txt"
cp "/usr/share/doc/gcc-mingw-w64-x86-64-posix-runtime/copyright" "$STAGE/Licences/MinGW-GCC-runtime.txt"
cp "/usr/share/doc/mingw-w64-x86-64-dev/copyright" "$STAGE/Licences/MinGW-w64-winpthreads.txt"
python3 - "$CACHE/source/qtbase/src/3rdparty" >"$STAGE/Licences/Qt-third-party.txt" <<'PYTHON'
# The notices of the third-party code Qt's base module carries, from its own
# attribution files; parts used only on other platforms are left out.
import glob, json, os, sys
OTHER_PLATFORMS = {"android", "gradle", "wasm", "xcb", "forkfd", "pixman", "VulkanMemoryAllocator"}
for path in sorted(glob.glob(os.path.join(sys.argv[1], "*", "qt_attribution.json"))):
    folder = os.path.dirname(path)
    if os.path.basename(folder) in OTHER_PLATFORMS:
        continue
    entries = json.loads(open(path, encoding="utf-8").read(), strict=False)
    for entry in entries if isinstance(entries, list) else [entries]:
        print("=" * 78)
        print(entry["Name"], entry.get("Version", ""))
        print("Licence:", entry.get("License", "public domain"))
        print(entry.get("Copyright", ""), end="\n\n")
        files = entry.get("LicenseFiles") or [entry.get("LicenseFile")]
        for name in filter(None, files):
            print(open(os.path.join(folder, name), encoding="utf-8", errors="replace").read())
PYTHON
qt_source=$(cat "$QT_LICENCES/qt-source")
qt_version=${qt_source#qt6-base_}
qt_version=${qt_version%.dsc}
cat >"$STAGE/Licences/Qt-source.txt" <<NOTE
The Qt DLLs and plugins in this folder are Qt ${qt_version%%+*} (qtbase) as Debian 12
packages it: built unchanged for x86_64-w64-mingw32 from Debian's source
package qt6-base, version $qt_version ($qt_source), which Debian's
archive keeps, e.g. with "apt-get source qt6-base=$qt_version". They are
used under the GNU Lesser General Public License 3.0 (Qt-LGPL-3.0.txt, with
GPL-3.0.txt which it builds on); you may replace them with your own build.
The build's CMake options were:
$(printf '  %s\n' "${QT_OPTIONS[@]}")
NOTE

(cd "$BUILD/package" && zip -q -r -9 -X "$ZIP" "$PACKAGE")
echo "Packed $ZIP ($(du -h "$ZIP" | cut -f1), $(unzip -Z1 "$ZIP" | grep -vc '/$') files)."
