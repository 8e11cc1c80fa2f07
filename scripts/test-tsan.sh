#!/usr/bin/env bash
# Builds the kernels that work on two threads and their tests with
# ThreadSanitizer into build-tsan/ (no windows) and runs those tests there:
# the helper thread, the wavefront of the series, the shared steps of the
# power and of the growing product, the product built on the helper and the
# calculations that use them. Any report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAKETA_SANITIZE_THREAD=ON \
  -DTAKETA_BUILD_GUI=OFF -DTAKETA_PRECOMPILE_HEADERS=OFF "${launcher[@]}"
cmake --build build-tsan --target digits_tests calculator_tests

export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1
build-tsan/tests/digits_tests \
  --gtest_filter='RisingCount.*:HelperThread.*:RunWavefront.*:ProductOnHelper.*:*SharedSteps*'
build-tsan/tests/calculator_tests \
  --gtest_filter='*TwoThreads*:Njoukon.CandidatesAndPowersShown:Njoukon.StopEndsWithoutRoot:Ruijou.*:Kumiawase.KnownValues:Kumiawase.StopInEveryStage'
