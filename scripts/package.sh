#!/usr/bin/env bash
# Builds the release packages from a build folder (default build/) into its
# packages/ folder: the Debian package (installed layout under /usr) and the
# portable .tar.gz (one folder). Needs a configured build (scripts/build.sh)
# and dpkg-dev for the dependencies taken from the shared libraries.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="${1:-$ROOT/build}"
OUT="$BUILD/packages"
cmake --build "$BUILD" -j2 --target tikloom tikstyle tikloom-theme compressed_docs >/dev/null
mkdir -p "$OUT"
(cd "$BUILD" && cpack -G DEB -B "$OUT" >/dev/null && cpack -G TGZ -B "$OUT" >/dev/null)
rm -rf "$OUT/_CPack_Packages"
ls -1 "$OUT"/*.deb "$OUT"/*.tar.gz
