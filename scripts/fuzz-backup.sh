#!/usr/bin/env bash
# Builds the backup file check natively with libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer, and fuzzes it for a bounded time (seconds, default 20).
set -euo pipefail
build=$(mkdir -p "$1" && cd "$1" && pwd)
seconds=${2:-20}
root=$(cd "$(dirname "$0")/.." && pwd)
out=$build/fuzz
mkdir -p "$out"
format=("$root"/backup/BackupFormat.cpp "$root"/backup/BackupLayouts.cpp "$root"/backup/BackupFile.cpp)
flags=(-std=c++17 -g -O1 -I"$root")

clang++ "${flags[@]}" "${format[@]}" "$root"/tests/backup/fuzz_seeds.cpp -o "$out/fuzz-seeds"
clang++ "${flags[@]}" -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  "${format[@]}" "$root"/tests/backup/fuzz_backup_file.cpp -o "$out/fuzz-backup"

rm -rf "$out/seeds" "$out/corpus"
mkdir -p "$out/seeds" "$out/corpus"
"$out/fuzz-seeds" "$out/seeds"
cd "$out"
exec ./fuzz-backup -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=20000 \
  -print_final_stats=1 corpus seeds
