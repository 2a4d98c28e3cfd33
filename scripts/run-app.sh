#!/usr/bin/env bash
# Starts one of the programs under Wine in a prefix of its own, kept between runs:
#   run-app.sh BUILD [APP] [WINVER]    APP brenvik (default) or olandri;
#                                      WINVER win95 win98 winme nt40 win2k winxp (default winxp)
# Without a display it runs under Xvfb, saves a picture of the program's window to
# BUILD/screenshots/APP.png once it is painted, and ends; where the window does not come, it says
# so, saves the whole screen to APP-screen.png and fails.
#   run-app.sh --check [APP] [WINVER]  only checks the arguments, before make run builds anything
set -euo pipefail
if [ "${1:-}" = --check ]; then check_only=1; else check_only=; build=$(cd "${1:-build}" && pwd); fi
app=${2:-brenvik}
winver=${3:-winxp}
case $app in brenvik|olandri) ;; *)
  echo "APP must be brenvik or olandri, not '$app'" >&2; exit 2;;
esac
case $winver in win95|win98|winme|nt40|win2k|winxp) ;; *)
  echo "WINVER must be one of win95 win98 winme nt40 win2k winxp, not '$winver'" >&2; exit 2;;
esac
limit=${RUN_WAIT_SECONDS:-120}
case $limit in ''|*[!0-9]*)
  echo "RUN_WAIT_SECONDS must be a whole number of seconds, not '$limit'" >&2; exit 2;;
esac
[ -z "$check_only" ] || exit 0
exe=$build/bin/$app.exe
[ -f "$exe" ] || { echo "No $exe: build it first (make build)" >&2; exit 1; }

export WINEPREFIX=$build/wine-run/$winver WINEDEBUG=-all
serverbin=/usr/lib/wine/wineserver64
[ -x "$serverbin" ] || serverbin=/usr/lib/wine/wineserver32
quiet() { "$@" </dev/null >/dev/null 2>&1; }

xvfb=
stop() {
  quiet "$serverbin" -k || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
}
trap stop EXIT

if [ -z "${DISPLAY:-}" ]; then
  raw=$(mktemp)
  Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$raw" </dev/null >/dev/null 2>&1 &
  xvfb=$!
  # Its display's number, written once it listens; an Xvfb that ends first will never write it.
  for _ in $(seq 100); do
    if [ -s "$raw" ] || ! kill -0 "$xvfb" 2>/dev/null; then break; fi
    sleep 0.1
  done
  display=$(head -n1 "$raw")
  rm -f "$raw"
  [ -n "$display" ] || { echo "run-app.sh: Xvfb did not start" >&2; exit 1; }
  export DISPLAY=":$display"
  headless=1
else
  headless=
fi

# A prefix that could not be made goes whole, so that the next run makes it again from the start.
unmade() {
  echo "run-app.sh: $1, so the Wine prefix $WINEPREFIX could not be made" >&2
  quiet "$serverbin" -k || true
  quiet "$serverbin" -w || true
  rm -rf "$WINEPREFIX"
  exit 1
}
if [ ! -f "$WINEPREFIX/.ready" ]; then
  echo "Making the Wine prefix $WINEPREFIX (once)..."
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  quiet wine wineboot -i || unmade "wineboot failed"
  cat > "$WINEPREFIX/version.reg" <<REG
REGEDIT4

[HKEY_CURRENT_USER\\Software\\Wine]
"Version"="$winver"

[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]
"ShowCrashDialog"=dword:00000000
REG
  quiet wine regedit /S 'Z:'"${WINEPREFIX//\//\\}"'\version.reg' ||
    unmade "regedit could not set the Windows version"
  quiet "$serverbin" -w || true
  touch "$WINEPREFIX/.ready"
fi

cd "$build/bin"
if [ -z "$headless" ]; then
  wine "$exe"
  exit 0
fi

SECONDS=0
wine "$exe" </dev/null >/dev/null 2>&1 &
pid=$!
shots=$build/screenshots
shot=$shots/$app.png screen=$shots/$app-screen.png
mkdir -p "$shots"
rm -f "$shot" "$screen"
# The program's own window, by its caption.
caption=$(tr '[:lower:]' '[:upper:]' <<<"${app:0:1}")${app:1}
frames=$(mktemp -d)
trap 'rm -rf "$frames"; stop' EXIT

shown() { xwininfo -name "$caption" 2>/dev/null | grep -q 'Map State: IsViewable'; }
# A picture of the window; prints its number of colours, which is 1 while nothing is painted.
grab() { xwd -silent -name "$caption" >"$frames/now" 2>/dev/null &&
         convert "xwd:$frames/now" -format %k info: 2>/dev/null; }
give_up() {
  xwd -silent -root 2>/dev/null | convert xwd:- "$screen" 2>/dev/null || true
  if [ -s "$screen" ]; then
    echo "$app: $*; the whole screen is in $screen" >&2
  else
    echo "$app: $*; no picture of the screen could be saved" >&2
  fi
  exit 1
}
check() {
  if ! kill -0 "$pid" 2>/dev/null; then
    local rc=0
    wait "$pid" || rc=$?
    give_up "it ended (exit code $rc) before its window \"$caption\" was $1"
  fi
  [ "$SECONDS" -lt "$limit" ] || give_up "its window \"$caption\" was not $1 within $limit s"
}

# Under emulated Wine the window may take tens of seconds to show. It counts as painted once
# two pictures in a row are the same and show more than one colour.
until shown; do check shown; sleep 0.5; done
until colours=$(grab) && [ "$colours" -gt 1 ] && cmp -s "$frames/now" "$frames/before"; do
  check painted
  mv -f "$frames/now" "$frames/before" 2>/dev/null || true
  sleep 0.5
done
convert "xwd:$frames/now" "$shot" 2>/dev/null || give_up "its window's picture could not be saved"
echo "Screenshot: $shot"
