#!/usr/bin/env bash
# Builds the x86_64 program and starts it under Wine. Without a display it takes screenshots
# under Xvfb instead and prints where they are.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
if [ -z "${DISPLAY:-}" ]; then
  exec "$root/tools/screenshot.sh"
fi
"$root/scripts/build.sh" x86_64 "$root/build/x86_64"
source "$root/scripts/wine-env.sh"
exec wine "$root/build/x86_64/VorlanRename.exe"
