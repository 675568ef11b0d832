#!/usr/bin/env bash
# Configures and builds the modules, the tests and the benchmarks in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD_DIR" -j"$(nproc)" 2>&1 | grep -vE '^\[ *[0-9]+%\]|^gmake|^Consolidate|^-- ' || true
test "${PIPESTATUS[0]}" -eq 0
