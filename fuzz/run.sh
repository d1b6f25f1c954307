#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (ASan and UBSan on) and runs each one for SECONDS,
# starting from its committed corpus in fuzz/corpus/<target>/. New inputs go to a scratch
# folder in the build folder, never into the committed corpus. Exits non-zero, naming the
# input, when a target finds a crash, a sanitizer report or a failed property.
#   fuzz/run.sh [SECONDS] [BUILD_DIR] [TARGET...]     (defaults: 60, build/fuzz, all targets)
# To replay one input: BUILD_DIR/<target> INPUT
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
dir="${2:-$root/build/fuzz}"
shift $(($# > 2 ? 2 : $#))
targets=("$@")
((${#targets[@]})) ||
  targets=(text_fuzz read_integer_fuzz natural_order_fuzz rules_fuzz pe_image_fuzz)

CC=clang CXX=clang++ cmake -S "$root/fuzz" -B "$dir" >/dev/null
cmake --build "$dir" -j"$(nproc)" --target "${targets[@]}" >/dev/null

failed=()
for target in "${targets[@]}"; do
  scratch="$dir/scratch/$target"
  artifacts="$dir/artifacts/$target/"
  mkdir -p "$scratch" "$artifacts"
  log="$dir/$target.log"
  if "$dir/$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
      -artifact_prefix="$artifacts" "$scratch" "$root/fuzz/corpus/$target" >"$log" 2>&1; then
    echo "$target: $(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$log" |
      grep -o '[0-9]*$') runs in ${seconds}s, clean"
  else
    echo "$target: FAILED, see $log" >&2
    grep -E 'property failed|ERROR:|SUMMARY|Test unit written' "$log" >&2 || tail -20 "$log" >&2
    failed+=("$target")
  fi
done
((${#failed[@]} == 0))
