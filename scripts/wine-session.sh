#!/usr/bin/env bash
# Wine prefixes and servers for one build folder, never the user's own prefix.
#   wine-session.sh prepare BUILD   make build/wine/<family> for every family (once)
#   wine-session.sh start BUILD     put back each prefix's prepared registry, then start Xvfb
#                                   (when there is no display), the two-monitor display, the
#                                   keyboard's display, the servers, wineboot
#   wine-session.sh stop BUILD      stop the servers, the two displays of their own and Xvfb
set -euo pipefail
FAMILIES=(win95 win98 winme nt40 win2k winxp)
# "main" plays Windows XP for the tests that do not depend on the family; "monitors" too, on a
# display of two monitors side by side whose work area begins below the top edge; "keys" too, on
# a display of its own: the test windows are unmanaged, and each one that Wine activates takes the
# X focus, so that a window of another test loses its activation and its keyboard focus.
PREFIXES=("${FAMILIES[@]}" main monitors keys)
cmd=$1
build=$(cd "$2" && pwd)
root=$build/wine
export WINEDEBUG=-all
serverbin=/usr/lib/wine/wineserver64
[ -x "$serverbin" ] || serverbin=/usr/lib/wine/wineserver32

quiet() { "$@" </dev/null >/dev/null 2>&1; }

# Debian's Wine starts 32-bit programs through a 32-bit loader, which a kernel without 32-bit
# support refuses ("Exec format error") until scripts/i386-emulation.sh has set up qemu-i386.
check_loader() {
  quiet wine --version && return
  echo "wine-session.sh: Wine's 32-bit loader does not start: this machine may not run 32-bit" \
       "x86 programs (as root, scripts/i386-emulation.sh runs them through qemu-i386)" >&2
  exit 1
}

make_base() {
  local base=$root/base
  [ -f "$base/system.reg" ] && [ -f "$base/.ready" ] && return
  rm -rf "$base"; mkdir -p "$root"
  if ! WINEPREFIX=$base DISPLAY= quiet wine wineboot -i; then
    echo "wine-session.sh: wineboot could not make the prefix $base" >&2; exit 1
  fi
  WINEPREFIX=$base quiet "$serverbin" -w
  touch "$base/.ready"
}

# make_family runs as a job of its own, and a step of it that fails ends the job with one line
# that names the prefix and what went wrong.
unmade() {
  echo "wine-session.sh: the prefix $name could not be made: $1" >&2
  WINEPREFIX=$prefix quiet "$serverbin" -k || true
  exit 1
}
# A step on files; its own last line of complaint says why it failed.
on_files() {
  local err
  err=$("$@" 2>&1 >/dev/null) || unmade "${err##*$'\n'}"
}

# A family's prefix shares the base's files by hard links; only the registry is its own. A copy
# of the registry as prepared stays beside it, for every start to begin from.
make_family() {
  local name=$1 family=$1 base=$root/base prefix=$root/$1 xrandr=Y
  [ "$family" = main ] || [ "$family" = keys ] && family=winxp
  # Wine finds the monitors of a nested X server through Xinerama, not XRandR.
  [ "$family" = monitors ] && family=winxp && xrandr=N
  [ -f "$prefix/.ready" ] && [ -d "$prefix/prepared-registry" ] && return
  on_files rm -rf "$prefix"
  on_files mkdir -p "$prefix"
  on_files cp -al "$base/drive_c" "$prefix/drive_c"
  on_files cp -a "$base/dosdevices" "$base/.update-timestamp" "$base"/*.reg "$prefix/"
  cat 2>/dev/null > "$prefix/family.reg" <<REG || unmade "$prefix/family.reg could not be written"
REGEDIT4

[HKEY_CURRENT_USER\\Software\\Wine]
"Version"="$family"

[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]
"Managed"="N"
"UseXRandR"="$xrandr"

[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]
"ShowCrashDialog"=dword:00000000
REG
  WINEPREFIX=$prefix DISPLAY= quiet wine regedit /S 'Z:'"${prefix//\//\\}"'\family.reg' ||
    unmade "regedit could not write its settings"
  WINEPREFIX=$prefix quiet "$serverbin" -k || true
  WINEPREFIX=$prefix quiet "$serverbin" -w || true
  on_files mkdir "$prefix/prepared-registry"
  on_files cp "$prefix"/*.reg "$prefix/prepared-registry/"
  on_files touch "$prefix/.ready"
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

# Waits up to 10 s for the X server PID, started with -displayfd, to write its display's number
# to RAW. Prints ":N", or nothing when the server ended or stayed silent.
display_of() {
  local pid=$1 raw=$2
  for _ in $(seq 100); do
    if [ -s "$raw" ] || ! kill -0 "$pid" 2>/dev/null; then break; fi
    sleep 0.1
  done
  if [ -s "$raw" ]; then echo ":$(head -n1 "$raw")"; fi
}

start_xvfb() {
  local raw=$root/display.raw display
  rm -f "$raw"
  Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$raw" </dev/null >/dev/null 2>&1 &
  echo $! > "$root/xvfb.pid"
  display=$(display_of $! "$raw")
  if [ -z "$display" ]; then echo "wine-session.sh: Xvfb did not start" >&2; exit 1; fi
  echo "$display" > "$root/display"
}

# Should it not come up, display-keys stays absent and only its tests fail.
start_keys_display() {
  local raw=$root/display-keys.raw display
  rm -f "$raw" "$root/display-keys"
  Xvfb -displayfd 7 -screen 0 1280x1024x24 -nolisten tcp 7>"$raw" </dev/null >/dev/null 2>&1 &
  echo $! > "$root/xvfb-keys.pid"
  display=$(display_of $! "$raw")
  if [ -z "$display" ]; then
    echo "wine-session.sh: the keyboard's Xvfb did not start, its tests will fail" >&2
  else
    echo "$display" > "$root/display-keys"
  fi
}

# Two monitors of 800 x 600 side by side, nested in the display, with a work area that leaves
# 40 pixels at the top. Wine reads _NET_WORKAREA only where _NET_SUPPORTED names it; -noreset
# keeps both when the last client leaves. Should it not come up, display-monitors stays absent:
# the tests that need it fail at once and all others run.
start_monitors() {
  local raw=$root/display-monitors.raw pid display
  rm -f "$raw" "$root/display-monitors"
  Xephyr -displayfd 6 -noreset -nolisten tcp +xinerama -screen 800x600+0+0 \
    -screen 800x600+800+0 6>"$raw" </dev/null >/dev/null 2>&1 &
  pid=$!
  echo "$pid" > "$root/xephyr.pid"
  display=$(display_of "$pid" "$raw")
  if [ -z "$display" ]; then
    no_monitors "$pid" "Xephyr did not start"
  elif ! DISPLAY=$display quiet xprop -root -f _NET_WORKAREA 32c \
         -set _NET_WORKAREA "0, 40, 1600, 560" ||
       ! DISPLAY=$display quiet xprop -root -f _NET_SUPPORTED 32a \
         -set _NET_SUPPORTED _NET_WORKAREA; then
    no_monitors "$pid" "xprop failed on Xephyr's display $display"
  else
    echo "$display" > "$root/display-monitors"
  fi
}

no_monitors() {
  echo "wine-session.sh: $2: no two-monitor display, its tests will fail" >&2
  kill "$1" 2>/dev/null || true
  rm -f "$root/xephyr.pid"
}

# start_prefix NAME DISPLAY: the prefix's server and wineboot. Wine's own processes must not hold
# the caller's pipes, or a test runner waits for ever.
start_prefix() {
  local keepalive=$build/tests-bin/wine_keepalive.exe
  export WINEPREFIX=$root/$1 DISPLAY=$2
  quiet "$serverbin" -p && quiet wine wineboot || return 1
  # Keeps the prefix's desktop open between tests; the server's stop ends it.
  if [ -f "$keepalive" ]; then setsid wine "$keepalive" </dev/null >/dev/null 2>&1 & fi
}

case $cmd in
  prepare)
    check_loader
    make_base
    pids=()
    for f in "${PREFIXES[@]}"; do make_family "$f" & pids+=($!); done
    # Every job is waited for, so that none is left running; each failed one has said why.
    failed=0
    for pid in "${pids[@]}"; do wait "$pid" || failed=1; done
    exit "$failed"
    ;;
  start)
    for f in "${PREFIXES[@]}"; do reset_registry "$f"; done
    if [ -z "${DISPLAY:-}" ]; then start_xvfb; else echo "$DISPLAY" > "$root/display"; fi
    export DISPLAY=$(cat "$root/display")
    start_monitors
    start_keys_display
    pids=()
    for f in "${PREFIXES[@]}"; do
      display=$DISPLAY
      if [ "$f" = monitors ] || [ "$f" = keys ]; then
        display=$(cat "$root/display-$f" 2>/dev/null) || continue
      fi
      # One prefix that does not start fails its own tests, not the others'.
      start_prefix "$f" "$display" || echo "wine-session.sh: the prefix $f did not start" >&2 &
      pids+=($!)
    done
    wait "${pids[@]}"
    ;;
  stop)
    rm -f "$root/display-monitors" "$root/display-keys"
    for f in base "${PREFIXES[@]}"; do WINEPREFIX=$root/$f quiet "$serverbin" -k || true; done
    for server in xephyr xvfb-keys xvfb; do
      pidfile=$root/$server.pid
      if [ -f "$pidfile" ]; then kill "$(cat "$pidfile")" 2>/dev/null || true; rm -f "$pidfile"; fi
    done
    ;;
esac
