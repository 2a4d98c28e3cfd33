#!/usr/bin/env bash
# Restarts Windows in a throwaway Wine prefix of its own and checks that the session really ends:
# a bystander program there is told by WM_QUERYENDSESSION and WM_ENDSESSION and is gone, and the
# restart asked nothing (it returned by itself).
set -euo pipefail
build=$1 witness=$2 restart=$3
base=$build/wine/base
prefix=$build/wine/launcher-restart
export WINEDEBUG=-all WINEPREFIX=$prefix

stop() { wineserver -k >/dev/null 2>&1 || true; }
trap 'stop; rm -rf "$prefix"' EXIT
[ -f "$base/system.reg" ] || { echo "FAIL: no base prefix at $base"; exit 1; }
rm -rf "$prefix"; mkdir -p "$prefix"
cp -al "$base/drive_c" "$prefix/drive_c"
cp -a "$base/dosdevices" "$base/.update-timestamp" "$base"/*.reg "$prefix/"

log=$prefix/witness.log
wine "$witness" "Z:${log//\//\\}" </dev/null >/dev/null 2>&1 &
witness=$!
for _ in $(seq 300); do grep -q '^ready' "$log" 2>/dev/null && break; sleep 0.1; done
grep -q '^ready' "$log" || { echo "FAIL: the bystander did not start"; exit 1; }

timeout 60 wine "$restart" </dev/null >/dev/null 2>&1 || { echo "FAIL: the restart did not return by itself"; exit 1; }

for _ in $(seq 300); do kill -0 "$witness" 2>/dev/null || break; sleep 0.1; done
fail=0
kill -0 "$witness" 2>/dev/null && { echo "FAIL: the bystander still runs"; fail=1; }
grep -qx 'WM_QUERYENDSESSION' "$log" || { echo "FAIL: no WM_QUERYENDSESSION"; fail=1; }
grep -qx 'WM_ENDSESSION ending' "$log" || { echo "FAIL: no WM_ENDSESSION"; fail=1; }
echo "bystander saw:"; sed 's/^/  /' "$log"
exit $fail
