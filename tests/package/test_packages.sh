#!/bin/bash
# Builds the .deb and the portable .tar.gz and checks what they hold: the
# programs, themes, language files, desktop entries, icons, AppStream
# metadata and manual pages; the entries and metadata validate, lintian
# reports no error or warning, and the portable folder runs as one.
# Argument: the build folder.
set -u
BUILD=$(cd "${1:?build folder}" && pwd)
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
WORK=$(mktemp -d /tmp/tikloom-package.XXXXXX)
trap 'rm -rf "$WORK"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

bash "$ROOT/scripts/package.sh" "$BUILD" >"$WORK/package.log" 2>&1 ||
    fail "scripts/package.sh: $(tail -5 "$WORK/package.log")"
DEB=$(ls "$BUILD"/packages/tikloom_*.deb)
TGZ=$(ls "$BUILD"/packages/tikloom-*-portable.tar.gz)

dpkg-deb -c "$DEB" | awk '{print $6}' >"$WORK/deb.txt"
expect_in() { # listing path...
    local listing=$1 path
    shift
    for path in "$@"; do
        grep -qx -- "$path" "$listing" || fail "$(basename "$listing" .txt) lacks $path"
    done
}
expect_in "$WORK/deb.txt" ./usr/bin/tikloom ./usr/bin/tikstyle ./usr/bin/tikloom-theme \
    ./usr/share/tikloom/Themes/default.tkm ./usr/share/tikloom/Themes/slate_hands.png \
    ./usr/share/tikloom/DEU.lng ./usr/share/tikloom/JPN.lng \
    ./usr/share/applications/tikloom.desktop ./usr/share/applications/tikstyle.desktop \
    ./usr/share/metainfo/org.tikloom.Tikloom.metainfo.xml \
    ./usr/share/man/man1/tikloom.1.gz ./usr/share/man/man1/tikstyle.1.gz \
    ./usr/share/man/man1/tikloom-theme.1.gz ./usr/share/doc/tikloom/copyright
grep -q '^License: Expat' <(dpkg-deb --fsys-tarfile "$DEB" | tar xO ./usr/share/doc/tikloom/copyright) ||
    fail "the copyright file names no licence"
for size in 16 22 24 32 48 64 128 256; do
    expect_in "$WORK/deb.txt" "./usr/share/icons/hicolor/${size}x${size}/apps/tikloom.png"
done
! grep -q '^./usr/local\|tikloom.ini' "$WORK/deb.txt" || fail "the .deb holds settings or /usr/local"
depends=$(dpkg-deb -f "$DEB" Depends)
for library in libqt6core6 libqt6widgets6 libxcb1 qt6-qpa-plugins; do
    [[ $depends == *"$library"* ]] || fail "Depends lacks $library: $depends"
done

dpkg-deb -x "$DEB" "$WORK/root"
desktop-file-validate "$WORK"/root/usr/share/applications/*.desktop || fail "desktop-file-validate"
appstreamcli validate --no-net "$WORK"/root/usr/share/metainfo/*.xml >"$WORK/appstream.log" 2>&1 ||
    fail "appstreamcli validate: $(cat "$WORK/appstream.log")"
# Every manual page formats without a complaint.
for page in "$WORK"/root/usr/share/man/man1/*.1.gz; do
    problems=$(zcat "$page" | LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z 2>&1)
    [ -z "$problems" ] || fail "$(basename "$page"): $problems"
done
if command -v lintian >/dev/null; then
    lintian "$DEB" >"$WORK/lintian.log" 2>&1
    ! grep -E '^(E|W):' "$WORK/lintian.log" || fail "lintian reports the lines above"
fi

# The portable archive: one folder with the programs, Themes/ and the
# language files, and nothing of the installed layout.
tar tzf "$TGZ" >"$WORK/tgz.txt"
top=$(head -1 "$WORK/tgz.txt" | cut -d/ -f1)
expect_in "$WORK/tgz.txt" "$top/tikloom" "$top/tikstyle" "$top/tikloom-theme" \
    "$top/Themes/default.tkm" "$top/DEU.lng" "$top/LICENSE"
! grep -q '/share/\|/bin/' "$WORK/tgz.txt" || fail "the portable archive holds an installed layout"
tar xzf "$TGZ" -C "$WORK"
HOME=$WORK/home "$WORK/$top/tikloom-theme" render --time 10:08:37 -o "$WORK/portable.png" ||
    fail "the unpacked portable tool did not render"
[ ! -e "$WORK/home" ] || fail "the portable tool wrote into the home folder"

echo "PASS: $(basename "$DEB") $(stat -c %s "$DEB") bytes, $(basename "$TGZ") $(stat -c %s "$TGZ") bytes"
