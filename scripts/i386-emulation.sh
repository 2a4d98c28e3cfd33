#!/usr/bin/env bash
# Debian's Wine runs Windows programs in 32-bit x86 processes. A kernel without 32-bit support
# (built without it, or booted with ia32_emulation off) refuses them with "Exec format error";
# there qemu's user-mode emulator runs them, registered through binfmt_misc for i386 ELF files so
# that every 32-bit program Wine starts, its server included, goes through it. Needs root.
# Does nothing where Wine's loader starts already.
set -euo pipefail
loader=/usr/lib/wine/wine
binfmt=/proc/sys/fs/binfmt_misc
starts() { "$loader" --version </dev/null >/dev/null 2>&1; }
fail() { echo "i386-emulation.sh: $*" >&2; exit 1; }

starts && exit 0
[ "$(id -u)" -eq 0 ] ||
  fail "this kernel runs no 32-bit x86 programs; run as root to run them through qemu-i386"

# Under bookworm's own qemu 7.2 Wine's ICMP and some test programs crashed; its backports carry 10.0.
export DEBIAN_FRONTEND=noninteractive
codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
release=()
if [ "$codename" = bookworm ]; then
  sources=/etc/apt/sources.list.d/bookworm-backports.list
  if ! grep -rqs 'bookworm-backports' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    echo "deb http://deb.debian.org/debian bookworm-backports main" > "$sources"
  fi
  release=(-t bookworm-backports)
fi
version=$({ /usr/bin/qemu-i386 --version || true; } 2>/dev/null | sed -n 's/.*version \([0-9]*\)\..*/\1/p')
if [ "${version:-0}" -lt 10 ]; then
  echo "Installing: qemu-user ${release[*]}"
  apt-get update -qq || echo "i386-emulation.sh: some package lists did not update" >&2
  apt-get install -y -qq --no-install-recommends "${release[@]}" qemu-user >/dev/null
fi

[ -e "$binfmt/register" ] || mount -t binfmt_misc binfmt_misc "$binfmt" ||
  fail "binfmt_misc cannot be mounted, so qemu-i386 cannot be registered"
# A stale entry of the same name (another interpreter, or one that no longer starts) goes first.
[ -e "$binfmt/qemu-i386" ] && echo -1 > "$binfmt/qemu-i386"
magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
# F: the interpreter is opened now, so it also serves programs started in other namespaces.
echo ":qemu-i386:M::$magic:$mask:/usr/bin/qemu-i386:F" > "$binfmt/register"
starts || fail "Wine's 32-bit loader does not start even through qemu-i386"
echo "32-bit x86 programs run through qemu-i386 on this machine"
