#!/usr/bin/env bash
# Saves PNGs of the skinned main window and of the thanks window opened from its picture
# button, for a person to look at. Usage: tools/thanks_screenshot.sh [OUT_DIR]
# (default: build/screenshots). Runs like tools/screenshot.sh, under Wine's virtual desktop.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$(mkdir -p "${1:-$root/build/screenshots}" && cd "${1:-$root/build/screenshots}" && pwd)"
"$root/scripts/build.sh" x86_64 "$root/build/x86_64" >/dev/null
source "$root/scripts/wine-env.sh"
xvfb-run -a -s '-screen 0 1400x800x24' \
  wine explorer /desktop=shot,1400x800 "$root/build/x86_64/thanks_screenshot_driver.exe" \
  "$(winepath -w "$out")" >/dev/null 2>&1 || true
wineserver -w
for name in skinned-main thanks; do
  [ -e "$out/$name.bmp" ] || { echo "no screenshot of $name was taken" >&2; exit 1; }
  convert "$out/$name.bmp" "$out/$name.png" && rm "$out/$name.bmp"
  echo "$out/$name.png"
done
