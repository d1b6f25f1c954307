#!/usr/bin/env bash
# Builds one configuration: native | x86_64 | i686. Usage: scripts/build.sh KIND [BUILD_DIR]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
kind="$1"
dir="${2:-$root/build/$kind}"
case "$kind" in
  native) cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=Debug >/dev/null ;;
  x86_64|i686) cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$kind.cmake" >/dev/null ;;
  *) echo "unknown build kind: $kind" >&2; exit 2 ;;
esac
cmake --build "$dir" -j"$(nproc)"
