#!/usr/bin/env bash
# Installs what is missing, builds, and starts the clock from build/bin.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
bash "$ROOT/scripts/install-deps.sh"
bash "$ROOT/scripts/build.sh"
BIN="$ROOT/build/bin"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    out="$ROOT/build/tikloom-now.png"
    echo "No display found (DISPLAY is not set): rendering the default theme at the current time instead."
    "$BIN/tikloom-theme" render --program-folder "$BIN" --time "$(date +%H:%M:%S)" \
        --date "$(date +%Y-%m-%d)" -o "$out"
    echo "Rendered the clock to $out"
    exit 0
fi
exec "$BIN/tikloom"
