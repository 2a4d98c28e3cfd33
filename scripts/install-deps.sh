#!/usr/bin/env bash
# Installs what building and testing need, when it is missing (Debian, as root).
set -euo pipefail
packages=(cmake make g++-mingw-w64-i686-win32 binutils-mingw-w64-i686 googletest
          wine wine32:i386 xvfb xserver-xephyr x11-utils x11-apps imagemagick iproute2 util-linux
          fp-utils
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
  apt-get install -y -qq "${missing[@]}" >/dev/null
fi
bash "$(dirname "$0")/i386-emulation.sh"
