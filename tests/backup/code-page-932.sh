#!/bin/sh
# Runs a test program under the Japanese code page 932 from two places: as the file ソフト.exe,
# whose name holds the byte of "\", and from a folder of fewer than MAX_PATH characters that takes
# more than MAX_PATH bytes. Wine takes its code page, and the names of Unix files, from the locale.
#   code-page-932.sh PROGRAM
set -u
program=$1
root=$(dirname "$program")/cp932
repeat() { i=0; while [ "$i" -lt "$2" ]; do printf '%s' "$1"; i=$((i + 1)); done; }
named=$root/soft
long=$root/$(repeat あ 50)/$(repeat あ 50)/$(repeat い 30)
rm -rf "$root"
mkdir -p "$named" "$long" || exit 1
cp "$program" "$named/ソフト.exe" && cp "$program" "$long/brenvik.exe" || exit 1
export LC_ALL=ja_JP.UTF-8
status=0
for copy in "$named/ソフト.exe" "$long/brenvik.exe"; do
  echo "== $copy"
  wine "$copy" --gtest_color=no || status=1
done
exit "$status"
