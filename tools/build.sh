#!/usr/bin/env bash
# Configures and builds the program alone into ./build (the tests are built
# by tools/test.sh, in a build of their own).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
cmake --build build -j"$(nproc)" --target halden-control
