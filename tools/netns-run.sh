#!/usr/bin/env bash
# Runs a command in a private network namespace: loopback plus one veth pair,
# "pc0" 10.77.0.1/24 (this program's side) and "box0" 10.77.0.2/24 (a stand-in
# box), broadcast 10.77.0.255. Nothing sent in there can leave the machine, and
# every run gets its own port 1400.
#   usage: netns-run.sh COMMAND [ARG...]
set -euo pipefail
if [[ "${HALDEN_NETNS:-}" != 1 ]]; then
  if [[ $(id -u) == 0 ]]; then
    exec unshare --net env HALDEN_NETNS=1 "$0" "$@"
  fi
  exec unshare --map-root-user --net env HALDEN_NETNS=1 "$0" "$@"
fi
ip link set lo up
ip link add pc0 type veth peer name box0
ip addr add 10.77.0.1/24 broadcast 10.77.0.255 dev pc0
ip addr add 10.77.0.2/24 broadcast 10.77.0.255 dev box0
ip link set pc0 up
ip link set box0 up
# The pair's carrier comes up asynchronously; a loaded machine may take a
# moment. Tests list running interfaces, so wait for it (5 s at most).
for _ in $(seq 50); do
  [[ $(ip -o link show pc0) == *LOWER_UP* && $(ip -o link show box0) == *LOWER_UP* ]] && break
  sleep 0.1
done
exec "$@"
