#!/usr/bin/env bash
# Wine prefixes and servers for one build folder, never the user's own prefix.
#   wine-session.sh prepare BUILD   make build/wine/<family> for every family (once)
#   wine-session.sh start BUILD     put back each prefix's prepared registry, then start Xvfb
#                                   (when there is no display), the two-monitor display, the
#                                   servers, wineboot
#   wine-session.sh stop BUILD      stop the servers, the two-monitor display and Xvfb
set -euo pipefail
FAMILIES=(win95 win98 winme nt40 win2k winxp)
# "main" plays Windows XP for the tests that do not depend on the family; "monitors" too, on a
# display of two monitors side by side whose work area begins below the top edge.
PREFIXES=("${FAMILIES[@]}" main monitors)
cmd=$1
build=$(cd "$2" && pwd)
root=$build/wine
export WINEDEBUG=-all
serverbin=/usr/lib/wine/wineserver64
[ -x "$serverbin" ] || serverbin=/usr/lib/wine/wineserver32

quiet() { "$@" </dev/null >/dev/null 2>&1; }

make_base() {
  local base=$root/base
  [ -f "$base/system.reg" ] && [ -f "$base/.ready" ] && return
  rm -rf "$base"; mkdir -p "$root"
  WINEPREFIX=$base DISPLAY= quiet wine wineboot -i
  WINEPREFIX=$base quiet "$serverbin" -w
  touch "$base/.ready"
}

# A family's prefix shares the base's files by hard links; only the registry is its own. A copy
# of the registry as prepared stays beside it, for every start to begin from.
make_family() {
  local family=$1 base=$root/base prefix=$root/$1 xrandr=Y
  [ "$family" = main ] && family=winxp
  # Wine finds the monitors of a nested X server through Xinerama, not XRandR.
  [ "$family" = monitors ] && family=winxp && xrandr=N
  [ -f "$prefix/.ready" ] && [ -d "$prefix/prepared-registry" ] && return
  rm -rf "$prefix"; mkdir -p "$prefix"
  cp -al "$base/drive_c" "$prefix/drive_c"
  cp -a "$base/dosdevices" "$base/.update-timestamp" "$base"/*.reg "$prefix/"
  cat > "$prefix/family.reg" <<REG
REGEDIT4

[HKEY_CURRENT_USER\\Software\\Wine]
"Version"="$family"

[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]
"Managed"="N"
"UseXRandR"="$xrandr"

[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]
"ShowCrashDialog"=dword:00000000
REG
  WINEPREFIX=$prefix DISPLAY= quiet wine regedit /S 'Z:'"${prefix//\//\\}"'\family.reg'
  WINEPREFIX=$prefix quiet "$serverbin" -k || true
  WINEPREFIX=$prefix quiet "$serverbin" -w || true
  mkdir "$prefix/prepared-registry"
  cp "$prefix"/*.reg "$prefix/prepared-registry/"
  touch "$prefix/.ready"
}

# Whatever an earlier run or an aborted test left in a prefix's registry goes: its server, should
# one be left, is stopped, and the prepared files replace the registry's (replaced, not written
# into, so nothing that shares a file's inode sees the change).
reset_registry() {
  local prefix=$root/$1
  WINEPREFIX=$prefix quiet "$serverbin" -k || true
  WINEPREFIX=$prefix quiet "$serverbin" -w || true
  cp --remove-destination "$prefix/prepared-registry"/*.reg "$prefix/"
}

# Two monitors of 800 x 600 side by side, nested in the display, with a work area that leaves
# 40 pixels at the top. Wine reads _NET_WORKAREA only where _NET_SUPPORTED names it; -noreset
# keeps both when the last client leaves.
start_monitors() {
  rm -f "$root/display-monitors.raw"
  Xephyr -displayfd 6 -noreset -nolisten tcp +xinerama -screen 800x600+0+0 \
    -screen 800x600+800+0 6>"$root/display-monitors.raw" </dev/null >/dev/null 2>&1 &
  echo $! > "$root/xephyr.pid"
  for _ in $(seq 100); do [ -s "$root/display-monitors.raw" ] && break; sleep 0.1; done
  local display=":$(head -n1 "$root/display-monitors.raw")"
  echo "$display" > "$root/display-monitors"
  DISPLAY=$display xprop -root -f _NET_WORKAREA 32c -set _NET_WORKAREA "0, 40, 1600, 560"
  DISPLAY=$display xprop -root -f _NET_SUPPORTED 32a -set _NET_SUPPORTED _NET_WORKAREA
}

case $cmd in
  prepare)
    make_base
    for f in "${PREFIXES[@]}"; do make_family "$f" & done
    wait
    ;;
  start)
    for f in "${PREFIXES[@]}"; do reset_registry "$f"; done
    if [ -z "${DISPLAY:-}" ]; then
      rm -f "$root/display.raw"
      Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$root/display.raw" </dev/null >/dev/null 2>&1 &
      echo $! > "$root/xvfb.pid"
      for _ in $(seq 100); do [ -s "$root/display.raw" ] && break; sleep 0.1; done
      echo ":$(head -n1 "$root/display.raw")" > "$root/display"
    else
      echo "$DISPLAY" > "$root/display"
    fi
    export DISPLAY=$(cat "$root/display")
    start_monitors
    # Wine's own processes must not hold the caller's pipes, or a test runner waits for ever.
    pids=()
    for f in "${PREFIXES[@]}"; do
      ( [ "$f" = monitors ] && export DISPLAY=$(cat "$root/display-monitors")
        WINEPREFIX=$root/$f quiet "$serverbin" -p
        WINEPREFIX=$root/$f quiet wine wineboot
        # Keeps the prefix's desktop open between tests; the server's stop ends it.
        if [ -f "$build/tests-bin/wine_keepalive.exe" ]; then
          WINEPREFIX=$root/$f setsid wine "$build/tests-bin/wine_keepalive.exe" </dev/null >/dev/null 2>&1 &
        fi ) &
      pids+=($!)
    done
    wait "${pids[@]}"
    ;;
  stop)
    for f in "${PREFIXES[@]}"; do WINEPREFIX=$root/$f quiet "$serverbin" -k || true; done
    for server in xephyr xvfb; do
      pidfile=$root/$server.pid
      if [ -f "$pidfile" ]; then kill "$(cat "$pidfile")" 2>/dev/null || true; rm -f "$pidfile"; fi
    done
    ;;
esac
