#!/usr/bin/env bash
# Builds the fuzz targets of fuzz/ with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) into build-fuzz/ and runs each for a bounded
# time, starting from its seed corpus fuzz/corpus/<target>/. A crash, a
# sanitizer report, a broken invariant or an input that runs longer than the
# timeout fails the run; the input that did it is kept in
# build-fuzz/artifacts/. New inputs go to build-fuzz/found/, never into the
# committed corpus.
#
#   scripts/fuzz.sh [TARGET ...]    (default: every folder in fuzz/corpus/)
#
#   FUZZ_SECONDS   seconds of fuzzing per target (default 30)
#   FUZZ_TIMEOUT   seconds one input may take (default 10)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh checks
seconds=${FUZZ_SECONDS:-30}
timeout=${FUZZ_TIMEOUT:-10}

launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}"
cmake --build build-fuzz

targets=("$@")
if ((${#targets[@]} == 0)); then
  for dir in fuzz/corpus/*/; do targets+=("$(basename "$dir")"); done
fi

failed=()
mkdir -p build-fuzz/artifacts
for target in "${targets[@]}"; do
  found=build-fuzz/found/$target
  log=build-fuzz/$target.log
  rm -rf "$found"
  mkdir -p "$found"
  # The input checks see whole boxes: up to 60000 characters.
  max_len=4096
  [[ $target == input_checks ]] && max_len=70000
  echo "== fuzz_$target: ${seconds} s"
  if build-fuzz/fuzz_"$target" -max_total_time="$seconds" -timeout="$timeout" \
      -rss_limit_mb=2048 -max_len="$max_len" -print_final_stats=1 \
      -artifact_prefix=build-fuzz/artifacts/"$target"- "$found" fuzz/corpus/"$target" \
      >"$log" 2>&1; then
    grep -E '^stat::(number_of_executed_units|average_exec_per_sec|new_units_added)' "$log"
  else
    tail -n 60 "$log"
    failed+=("$target")
  fi
done

if ((${#failed[@]} > 0)); then
  echo "fuzz.sh: failed: ${failed[*]} (logs in build-fuzz/, inputs in build-fuzz/artifacts/)" >&2
  exit 1
fi
