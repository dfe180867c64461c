#!/usr/bin/env bash
# Installs what is needed, builds the program and its tests with
# AddressSanitizer and UndefinedBehaviorSanitizer into ./build-test, and runs
# every test under them (a warning fails the build, a sanitizer report fails
# its test). Then runs each fuzzer for a short while.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh test
/usr/bin/python3 tools/make_resources.py --check
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DHALDEN_WERROR=ON -DHALDEN_SANITIZE=ON >/dev/null
cmake --build build-test -j"$(nproc)"
ctest --test-dir build-test -j"$(nproc)" --output-on-failure
if [[ -f tools/fuzz.sh ]]; then
  bash tools/fuzz.sh 10
fi
