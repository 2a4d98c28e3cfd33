#!/usr/bin/env bash
# Prints the benchmark figures, each with its floor measured side by side in the same Wine session.
# Exits non-zero only when something cannot be measured; a missed goal is printed, not failed.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/.." && pwd)
build=${1:-$top/build-bench}
runs=${RUNS:-7}
if [ "${IN_TEST_NETNS:-}" != 1 ]; then
  bash "$here/install-deps.sh"
  cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTS=OFF -DBUILD_BENCH=ON >/dev/null
  cmake --build "$build" -j "$(nproc)" >/dev/null
  exec unshare -n env IN_TEST_NETNS=1 "$0" "$build"
fi
# Whatever the benchmark starts ends with it, however it ends.
trap '"$here/wine-session.sh" stop "$build"' EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
ip link set lo up
unset DISPLAY
"$here/wine-session.sh" prepare "$build" >/dev/null
"$here/wine-session.sh" start "$build"
export DISPLAY=$(cat "$build/wine/display") WINEDEBUG=-all WINEPREFIX=$build/wine/winxp
bin=$build/bin

# The Linux process of olandri.exe in this benchmark's own prefix.
keeper_pid() {
  for p in $(pgrep -x 'olandri.exe'); do
    tr '\0' '\n' < "/proc/$p/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" && { echo "$p"; return; }
  done
  echo "   olandri's process not found" >&2; exit 1
}
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
median() { sort -g | awk '{a[NR]=$1} END {if (NR) print a[int((NR+1)/2)]; else exit 1}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", (b > 0 ? a / b : 0)}'; }

echo "1. Start-up to the main window shown and idle ($runs runs each, median)"
size=$(wine "$bin/startup_bench.exe" "$bin/brenvik.exe" </dev/null | awk '{print $2, $3}')
for _ in $(seq "$runs"); do wine "$bin/startup_bench.exe" "$bin/brenvik.exe" </dev/null; done | awk '{print $1}' > "$build/start.txt"
for _ in $(seq "$runs"); do wine "$bin/startup_bench.exe" "$bin/floor_window.exe" $size </dev/null; done | awk '{print $1}' > "$build/floor.txt"
a=$(median < "$build/start.txt"); b=$(median < "$build/floor.txt")
echo "   brenvik ${a} ms, floor (one window of ${size/ /x} pixels) ${b} ms, ratio $(ratio "$a" "$b") (goal <= 1.3)"

echo "2. \"&Optimize\" registry work, Windows 95 family, dial-up #3, Default Adapter (median of 15)"
read -r calls work floor < <(wine "$bin/registry_bench.exe" 15 </dev/null | tr -d '\r')
echo "   ${calls} registry calls; work ${work} ms, raw calls ${floor} ms, ratio $(ratio "$work" "$floor") (goal <= 1.2)"

echo "3. olandri pinging 127.0.0.1 every 10 s with the tray animation, ${KEEPER_SECONDS:-60} s"
seconds=${KEEPER_SECONDS:-60}
wine "$bin/keeper_bench.exe" "$bin/olandri.exe" "$seconds" </dev/null > "$build/keeper.txt" &
for _ in $(seq 300); do grep -q ready "$build/keeper.txt" 2>/dev/null && break; sleep 0.1; done
grep -q ready "$build/keeper.txt" || { echo "   olandri did not start" >&2; exit 1; }
pid=$(keeper_pid)
t0=$(cpu_ticks "$pid"); w0=$(date +%s.%N)
while ! grep -q done "$build/keeper.txt"; do t1=$(cpu_ticks "$pid"); w1=$(date +%s.%N); sleep 0.5; done
wait
awk -v t="$((t1 - t0))" -v hz="$(getconf CLK_TCK)" -v w0="$w0" -v w1="$w1" 'BEGIN {
  cpu = t / hz; wall = w1 - w0
  printf "   CPU %.2f s in %.1f s: %.2f %% of one core (goal <= 1 %%)\n", cpu, wall, 100 * cpu / wall }'

echo "4. Size and imports (goal: each <= 1 MB, Windows system DLLs only)"
for exe in brenvik olandri; do
  bytes=$(stat -c %s "$bin/$exe.exe")
  dlls=$(i686-w64-mingw32-objdump -p "$bin/$exe.exe" | awk '/DLL Name:/ {print $3}' | sort -f | paste -sd' ')
  echo "   $exe.exe $bytes bytes ($(ratio "$bytes" 1048576) MB): $dlls"
done
