#!/usr/bin/env bash
# Installs what building and testing need, when it is missing (Debian, as root).
set -euo pipefail
packages=(cmake make g++-mingw-w64-i686-win32 binutils-mingw-w64-i686 googletest
          wine wine32:i386 xvfb xserver-xephyr x11-utils x11-apps imagemagick iproute2 util-linux
          fp-utils locales
          clang libclang-rt-dev g++ "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages: ${missing[*]} (run as root to install them)" >&2
    exit 1
  fi
  echo "Installing: ${missing[*]}"
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  export DEBIAN_FRONTEND=noninteractive
  # A mirror caught mid-sync fails one list; the install below says whether it matters.
  apt-get update -qq || echo "install-deps.sh: some package lists did not update" >&2
  # i386 twins of amd64 packages (Multi-Arch: same) must match them in version. When the
  # security suite's i386 list is missing, its amd64 versions have no twin and apt finds no
  # solution; the release's own packages have both.
  log=$(mktemp)
  if ! apt-get install -y -qq "${missing[@]}" 2>"$log" >/dev/null; then
    codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
    reason=$(grep '^E:' "$log" | tail -n1 || tail -n1 "$log")
    [ -n "$codename" ] || { cat "$log" >&2; rm -f "$log"; exit 1; }
    rm -f "$log"
    echo "install-deps.sh: the install failed ($reason); trying again with the" \
      "release's own packages (-t $codename)" >&2
    apt-get install -y -qq -t "$codename" "${missing[@]}" >/dev/null
  else
    rm -f "$log"
  fi
fi
# One test runs Wine in a Japanese locale, through which Wine reads the names of Unix files.
if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf-\?8'; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "The locale ja_JP.UTF-8 is missing (run as root to make it)" >&2
    exit 1
  fi
  localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
fi
bash "$(dirname "$0")/i386-emulation.sh"
