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
# The build's own status decides, not the filter's: grep fails when every
# line was filtered out.
status=0
cmake --build "$BUILD_DIR" -j"$(nproc)" >"$BUILD_DIR/build.log" 2>&1 || status=$?
grep -vE '^\[ *[0-9]+%\]|^gmake|^Consolidate|^-- ' "$BUILD_DIR/build.log" || true
exit "$status"
