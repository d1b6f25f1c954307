#!/usr/bin/env bash
# Saves PNGs of the main window for a person to look at: each tab page, and preview mode
# with proposals. Usage: tools/screenshot.sh [OUT_DIR]   (default: build/screenshots)
# The x86_64 screenshot driver runs under Wine's virtual desktop (which draws title bars) in
# Xvfb and saves bitmaps of the window; ImageMagick turns them into PNGs.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$(mkdir -p "${1:-$root/build/screenshots}" && cd "${1:-$root/build/screenshots}" && pwd)"
"$root/scripts/build.sh" x86_64 "$root/build/x86_64" >/dev/null
source "$root/scripts/wine-env.sh"
xvfb-run -a -s '-screen 0 1400x800x24' \
  wine explorer /desktop=shot,1400x800 "$root/build/x86_64/screenshot_driver.exe" \
  "$(winepath -w "$out")" >/dev/null 2>&1 || true
wineserver -w
for bmp in "$out"/*.bmp; do
  [ -e "$bmp" ] || { echo "no screenshots were taken" >&2; exit 1; }
  convert "$bmp" "${bmp%.bmp}.png" && rm "$bmp"
done
ls "$out"/*.png
