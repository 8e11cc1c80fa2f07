#!/usr/bin/env bash
# Configures (Release unless BUILD_TYPE says otherwise) and builds into build/.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-Release}"
cmake --build build
