#!/usr/bin/env bash
# Installs what building, running and testing need (Debian 12, as root).
# Does nothing when everything is already there.
set -euo pipefail
PKGS=(build-essential cmake qtbase5-dev qtbase5-dev-tools libqt5serialport5-dev
      qttools5-dev-tools qttools5-dev xvfb xauth socat fonts-noto-cjk iproute2 util-linux)
# The fuzz harnesses (tools/fuzz.sh) need clang with its libFuzzer and sanitizer runtimes.
FUZZ_PKGS=(clang libclang-rt-14-dev)
missing=()
for p in "${PKGS[@]}" "${FUZZ_PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
