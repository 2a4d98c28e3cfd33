#!/usr/bin/env bash
# Runs the whole suite inside a network namespace of its own: nothing but loopback is reachable,
# and a name missing from /etc/hosts fails at once instead of asking a DNS server.
set -euo pipefail
build=$(cd "$1" && pwd); shift
here=$(cd "$(dirname "$0")" && pwd)
if [ "${IN_TEST_NETNS:-}" != 1 ]; then
  # Only root makes a network namespace by itself; another user makes it inside a user namespace
  # of its own, where it is root and may still bring loopback up.
  ways=(-rn)
  [ "$(id -u)" -ne 0 ] || ways=(-n -rn)
  for way in "${ways[@]}"; do
    if unshare "$way" ip link set lo up </dev/null >/dev/null 2>&1; then
      exec unshare "$way" env IN_TEST_NETNS=1 "$0" "$build" "$@"
    fi
  done
  echo "run-tests.sh: the tests run in a network namespace of their own, which needs root or a" \
       "kernel that allows user namespaces (unshare -rn); run make test as root" >&2
  exit 1
fi

# Whatever the run started ends with it, however the run ends. Each step runs in a session of
# its own, so that a signal reaches this shell at once and the stop can end the step whole.
step=
stop() {
  trap '' INT TERM HUP
  trap - EXIT
  [ -z "$step" ] || kill -TERM -- "-$step" 2>/dev/null || true
  wait || true
  "$here/wine-session.sh" stop "$build"
}
trap stop EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP
run() {
  local rc=0
  setsid "$@" & step=$!
  wait "$step" || rc=$?
  step=
  return "$rc"
}

ip link set lo up
unset DISPLAY
run "$here/wine-session.sh" prepare "$build"
run "$here/wine-session.sh" start "$build"
export DISPLAY=$(cat "$build/wine/display")
cd "$build"
# Wine under heavy load has, rarely, left a test window waiting for ever; such a test gets a
# second run, while a real fault fails both.
status=0
rm -f Testing/Temporary/LastTest.log
run ctest --output-on-failure -j "$(nproc)" --repeat until-pass:2 "$@" </dev/null || status=$?
# A second run hides nothing: every test that needed one is named, with how it ended.
"$here/second-tries.sh" Testing/Temporary/LastTest.log || true
exit "$status"
