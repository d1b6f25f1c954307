#!/usr/bin/env bash
# Builds everything and runs every test: the native tests with ctest, then the Windows tests
# under Wine in Xvfb. Both Windows programs (x86_64 and i686) are built; the i686 one is only
# compiled and linked, since this machine cannot run 32-bit code.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
scripts/setup.sh

scripts/build.sh native
(cd build/native && ctest --output-on-failure -j"$(nproc)")
# Every fuzz target for a few seconds from its committed corpus (fuzz/run.sh SECONDS runs longer).
fuzz/run.sh 5 build/fuzz

scripts/build.sh x86_64
scripts/build.sh i686

source scripts/wine-env.sh
xvfb-run -a -s '-screen 0 1600x1000x24' \
  bash -c 'cd build/x86_64 && ctest --output-on-failure'
wineserver -k 2>/dev/null || true
