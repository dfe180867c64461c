#!/usr/bin/env bash
# Installs what building and running need (Debian 12, as root); with the
# argument "test", also what the tests, the picture check and the fuzzers
# need. Does nothing when everything is already there.
set -euo pipefail
PKGS=(build-essential cmake qtbase5-dev qtbase5-dev-tools libqt5serialport5-dev
      qttools5-dev-tools qttools5-dev xvfb xauth imagemagick fonts-noto-cjk
      iproute2)
if [[ "${1:-}" == test ]]; then
  # util-linux (unshare) builds the link tests' private network namespace;
  # the resource check draws with PIL; the fuzz harnesses need clang with its
  # libFuzzer and sanitizer runtimes.
  PKGS+=(util-linux python3-pil fonts-dejavu-core clang libclang-rt-14-dev)
fi
missing=()
for p in "${PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
