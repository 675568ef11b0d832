#!/usr/bin/env bash
# Configures and builds the modules, the tests and the benchmarks in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
# The Python package is built for the interpreter CMake found (scripts/find_python.sh).
if [ -s "$BUILD_DIR/python/interpreter" ]; then
  echo "python: building varnelo for $(cat "$BUILD_DIR/python/interpreter")"
else
  echo "python: no interpreter with numpy and pybind11; varnelo is not built"
fi
cmake --build "$BUILD_DIR" -j"$(nproc)" 2>&1 | grep -vE '^\[ *[0-9]+%\]|^gmake|^Consolidate|^-- ' || true
test "${PIPESTATUS[0]}" -eq 0
