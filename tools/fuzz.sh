#!/usr/bin/env bash
# Builds the libFuzzer harnesses of fuzz/ with clang into build-fuzz/ and runs
# each for SECONDS (default 10) on a scratch copy of its seed corpus, so the
# committed seeds stay as they are. Fails when a harness crashes or finds
# undefined behaviour or a leak; the input that did it is kept in
# build-fuzz/crashes/<harness>/. Installs nothing (tools/install-deps.sh does).
#   usage: tools/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-10}
[[ $seconds =~ ^[0-9]+$ ]] || { echo "usage: $0 [SECONDS]" >&2; exit 2; }

cmake -S fuzz -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz -j"$(nproc)" >/dev/null

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=()
for seeds in fuzz/corpus/*/; do
  name=$(basename "$seeds")
  harness=build-fuzz/fuzz_$name
  if [[ ! -x $harness ]]; then
    echo "fuzz: no harness for corpus $name" >&2
    failed+=("$name")
    continue
  fi
  mkdir -p "$scratch/$name" "build-fuzz/crashes/$name"
  cp "$seeds"* "$scratch/$name/"
  echo "fuzz: $name for ${seconds}s"
  if ! "$harness" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="build-fuzz/crashes/$name/" "$scratch/$name" \
      >"$scratch/$name.log" 2>&1; then
    tail -n 40 "$scratch/$name.log" >&2
    failed+=("$name")
  fi
  grep -E '^stat::number_of_executed_units' "$scratch/$name.log" || true
done

if ((${#failed[@]})); then
  echo "fuzz: failed: ${failed[*]}" >&2
  exit 1
fi
echo "fuzz: every harness ran ${seconds}s without a finding"
