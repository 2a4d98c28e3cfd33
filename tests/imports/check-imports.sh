#!/usr/bin/env bash
# Checks that Windows 95, 98, Me, NT 4.0, 2000 and XP can load each program: its header is a
# 32-bit x86 image that asks for Windows 4.0, and every function it imports has a row in the
# table that names a Windows 95 and an NT 4.0 (for comctl32: version 4.00) which export it.
#   check-imports.sh TABLE PROGRAM...
set -euo pipefail
table=$1; shift
objdump=${OBJDUMP:-i686-w64-mingw32-objdump}
status=0

fail() { echo "$program: $*"; status=1; }

check_header() {
  local dump=$1
  grep -q 'file format pei-i386' <<<"$dump" || fail "not a 32-bit x86 Windows image"
  for field in MajorOSystemVersion:4 MinorOSystemVersion:0 MajorSubsystemVersion:4 \
               MinorSubsystemVersion:0; do
    local name=${field%:*} want=${field#*:} got
    got=$(awk -v n="$name" '$1 == n {print $2}' <<<"$dump")
    [ "$got" = "$want" ] || fail "$name is ${got:-missing}, Windows 95 and NT 4.0 need $want"
  done
}

# "DLL function" per import, the DLL's name in capitals.
imports_of() {
  awk '/DLL Name:/ {dll = toupper($3); next}
       dll && /^\t[0-9a-f]+\t/ {print dll, $NF}
       /^$/ {dll = ""}' <<<"$1" | sort -u
}

# The reason a row does not do for all six versions, or nothing.
row_problem() {
  local dll=$1 win9x=$2 nt=$3
  case $dll in
    COMCTL32.DLL)
      [ "$win9x" = 4.00 ] && [ "$nt" = 4.00 ] || echo "needs comctl32.dll $win9x, Windows 95 and NT 4.0 have 4.00";;
    WSOCK32.DLL) echo "Windows 95 without TCP/IP has no wsock32.dll: bind it at run time";;
    *)
      case $win9x in 95) ;; 98) [ "$dll" = MSVCRT.DLL ] || echo "Windows 95 lacks it";;
                     -) echo "Windows 95, 98 and Me lack it";;
                     Me) echo "Windows 95 and 98 lack it";;
                     *) echo "no source read says that Windows 95 exports it";; esac
      case $nt in 3.1|3.5|3.51|4.0) ;; *) echo "Windows NT 4.0 lacks it (first NT: $nt)";; esac;;
  esac
}

declare -A rows
while IFS=$'\t' read -r dll function win9x nt _; do
  [[ -z "$dll" || "$dll" == \#* || "$dll" == dll ]] && continue
  rows["$dll $function"]="$win9x $nt"
done <"$table"

for program in "$@"; do
  dump=$("$objdump" -p "$program")
  check_header "$dump"
  count=0
  while read -r dll function; do
    count=$((count + 1))
    row=${rows["$dll $function"]:-}
    if [ -z "$row" ]; then fail "$dll $function has no row in $(basename "$table")"; continue; fi
    problem=$(row_problem "$dll" $row)
    [ -z "$problem" ] || fail "$dll $function: $(paste -sd ';' <<<"$problem" | sed 's/;/; /g')"
  done < <(imports_of "$dump")
  [ "$count" -gt 0 ] || fail "no imports found"
  echo "$(basename "$program"): $count imports checked"
done
exit $status
