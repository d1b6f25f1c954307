#!/usr/bin/env bash
# Builds and runs the benchmarks, optimised (-O2) and without sanitizers, in build folders of
# their own. Usage: bench/run.sh [native|windows]... (both by default). Extra arguments for
# Google Benchmark go in NATIVE_BENCH_ARGS (e.g. NATIVE_BENCH_ARGS=--benchmark_filter=Rule).
# The Windows part runs under Wine in Xvfb and takes several minutes: Wine's MoveFileA is slow
# in large folders.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
parts=("$@")
[ ${#parts[@]} -eq 0 ] && parts=(native windows)

for part in "${parts[@]}"; do
  case "$part" in
    native)
      cmake -S . -B build/bench-native -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DRENAMER_SANITIZE=OFF -DRENAMER_BENCH=ON >/dev/null
      cmake --build build/bench-native --target native_bench -j"$(nproc)"
      build/bench-native/native_bench ${NATIVE_BENCH_ARGS:-}
      ;;
    windows)
      cmake -S . -B build/bench-x64 -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DRENAMER_BENCH=ON \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" >/dev/null
      cmake --build build/bench-x64 --target win32_bench -j"$(nproc)"
      source scripts/wine-env.sh
      xvfb-run -a -s '-screen 0 1600x1000x24' wine build/bench-x64/win32_bench.exe
      ;;
    *) echo "unknown part: $part (native or windows)" >&2; exit 2 ;;
  esac
done
