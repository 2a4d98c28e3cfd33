#!/usr/bin/env bash
# Runs a keeper test program while this network namespace ignores ICMP echo requests, so that
# pings to 127.0.0.1 time out. Only ever inside the test run's own namespace: in the host's
# namespace the test is skipped and nothing is changed.
#   echo-ignored.sh PROGRAM.exe GTEST_FILTER
set -euo pipefail
setting=/proc/sys/net/ipv4/icmp_echo_ignore_all
if [ "$(readlink /proc/self/ns/net)" = "$(readlink /proc/1/ns/net)" ] || [ ! -w "$setting" ]; then
  echo "not inside a network namespace of its own: skipped"
  exit 77
fi
old=$(cat "$setting")
trap 'echo "$old" > "$setting"' EXIT
echo 1 > "$setting"
KEEPER_ECHO_IGNORED=1 wine "$1" --gtest_color=no --gtest_filter="$2"
