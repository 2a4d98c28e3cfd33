#!/usr/bin/env bash
# Starts one of the programs under Wine in a prefix of its own, kept between runs:
#   run-app.sh BUILD [APP] [WINVER]    APP brenvik (default) or olandri;
#                                      WINVER win95 win98 winme nt40 win2k winxp (default winxp)
# Without a display it runs under Xvfb, saves a screenshot to BUILD/screenshots/APP.png and ends.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
app=${2:-brenvik}
winver=${3:-winxp}
case $winver in win95|win98|winme|nt40|win2k|winxp) ;; *)
  echo "WINVER must be one of win95 win98 winme nt40 win2k winxp, not '$winver'" >&2; exit 2;;
esac
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
  for _ in $(seq 100); do [ -s "$raw" ] && break; sleep 0.1; done
  export DISPLAY=":$(head -n1 "$raw")"
  rm -f "$raw"
  headless=1
else
  headless=
fi

if [ ! -f "$WINEPREFIX/.ready" ]; then
  echo "Making the Wine prefix $WINEPREFIX (once)..."
  mkdir -p "$WINEPREFIX"
  quiet wine wineboot -i
  cat > "$WINEPREFIX/version.reg" <<REG
REGEDIT4

[HKEY_CURRENT_USER\\Software\\Wine]
"Version"="$winver"

[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]
"ShowCrashDialog"=dword:00000000
REG
  quiet wine regedit /S 'Z:'"${WINEPREFIX//\//\\}"'\version.reg'
  quiet "$serverbin" -w || true
  touch "$WINEPREFIX/.ready"
fi

cd "$build/bin"
if [ -z "$headless" ]; then
  wine "$exe"
  exit 0
fi

wine "$exe" </dev/null >/dev/null 2>&1 &
sleep "${RUN_SECONDS:-8}"
mkdir -p "$build/screenshots"
shot=$build/screenshots/$app.png
# The program's own window by its caption; the whole screen when it cannot be found.
caption=$(tr '[:lower:]' '[:upper:]' <<<"${app:0:1}")${app:1}
if ! { xwd -silent -name "$caption" 2>/dev/null || xwd -silent -root; } |
    convert xwd:- "$shot" 2>/dev/null; then
  echo "Could not take a screenshot" >&2
  exit 1
fi
echo "Screenshot: $shot"
