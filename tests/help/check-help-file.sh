#!/usr/bin/env bash
# Checks the compiled help file with chmls: every topic the programs open is inside, the contents
# and the index are there and lead to every topic, and no link inside a topic points nowhere.
set -euo pipefail
chmls=$1 chm=$2
topics=(automatic.htm custom.htm launcher.htm backup.htm restore.htm ping.htm)
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
fail=0
bad() { echo "FAIL: $*"; fail=1; }

[ -s "$chm" ] || { echo "FAIL: $chm is missing or empty"; exit 1; }
"$chmls" -p -n list "$chm" 2>/dev/null | sed 's/\r$//' > "$work/list"
for f in "${topics[@]}" trasko.hhc trasko.hhk '$WWKeywordLinks/BTree'; do
  grep -qxF "/$f" "$work/list" || bad "/$f is not in the help file"
done

"$chmls" printsystem "$chm" > "$work/system" 2>&1
grep -q 'Contents file from \[options\] *:trasko.hhc' "$work/system" || bad "no table of contents declared"
grep -q 'Index file from \[options\] *:trasko.hhk' "$work/system" || bad "no index declared"
grep -q 'Default topic from \[options\] *:automatic.htm' "$work/system" || bad "default topic is not automatic.htm"

"$chmls" extract "$chm" /trasko.hhc "$work/toc" >/dev/null 2>&1
"$chmls" extract "$chm" /trasko.hhk "$work/index" >/dev/null 2>&1
for t in "${topics[@]}"; do
  grep -q "value=\"$t\"" "$work/toc" || bad "the contents do not lead to $t"
  grep -q "value=\"$t[\"#]" "$work/index" || bad "the index does not lead to $t"
done
[ "$(grep -c 'type="text/sitemap"' "$work/index")" -ge 30 ] || bad "the index has fewer than 30 entries"

# Every local link (topic or anchor) in a topic, the contents or the index must reach a stored file
# and, for an anchor, a name defined in that file.
mkdir "$work/t"
for t in "${topics[@]}"; do
  "$chmls" extract "$chm" "/$t" "$work/t/$t" >/dev/null 2>&1
  grep -q '<title>[^<]\+</title>' "$work/t/$t" || bad "$t has no title"
  [ "$(wc -c < "$work/t/$t")" -ge 2000 ] || bad "$t is too short to be real help"
done
links() {  # prints "source-topic link" for every local link
  for t in "${topics[@]}"; do
    grep -o 'href="[^"]*"' "$work/t/$t" | sed "s/^href=\"//; s/\"\$//; s|^#|$t#|; s|^|$t |"
  done
  grep -oh 'name="Local" value="[^"]*"' "$work/toc" "$work/index" | sed 's/.*value="//; s/"$//; s/^/sitemap /'
}
links | sort -u | while read -r from link; do
  case $link in http:*|https:*|mailto:*) continue ;; esac
  file=${link%%#*} anchor=
  [ "$file" != "$link" ] && anchor=${link#*#}
  if ! grep -qxF "/$file" "$work/list"; then
    echo "FAIL: $from links to $link: no file $file"; echo x >> "$work/broken"
  elif [ -n "$anchor" ] && [ -e "$work/t/$file" ] && ! grep -q "name=\"$anchor\"" "$work/t/$file"; then
    echo "FAIL: $from links to $link: no anchor $anchor"; echo x >> "$work/broken"
  fi
done
[ -e "$work/broken" ] && fail=1
[ $fail -eq 0 ] && echo "help file $chm: all topics, contents and index present"
exit $fail
