#!/usr/bin/env bash
# Every "#include" of a header in another folder of src/ must be a pair that
# src/Layering.txt allows; each one that is not is named by file and line.
set -euo pipefail
src="$1"
table="$src/Layering.txt"
status=0
cd "$src"
while IFS= read -r file; do
  dir="$(dirname "$file")"
  dir="${dir#./}"
  echo "$dir	$file"
done < <(find . -name '*.h' -o -name '*.cpp' -o -name '*.h.in' | sort) |
awk -F'\t' -v table="Layering.txt" '
  BEGIN {
    while ((getline line < table) > 0) {
      sub(/#.*/, "", line)
      n = split(line, w, /[ \t]+/)
      if (n == 0 || w[1] == "") continue
      known[w[1]] = 1
      for (i = 2; i <= n; ++i) if (w[i] != "-" && w[i] != "") allow[w[1], w[i]] = 1
    }
  }
  {
    dir = $1; file = substr($2, 3)
    if (!(dir in known)) { print "src/" file ": the folder " dir " has no row in src/Layering.txt"; bad = 1 }
    lineNo = 0
    while ((getline text < $2) > 0) {
      ++lineNo
      if (text !~ /^[ \t]*#[ \t]*include[ \t]*"/) continue
      inc = text
      sub(/^[^"]*"/, "", inc); sub(/".*/, "", inc)
      if (inc !~ /\//) continue
      to = inc; sub(/\/[^\/]*$/, "", to)
      if (to == dir || (dir, to) in allow) continue
      print "src/" file ":" lineNo ": " dir " may not include " inc
      bad = 1
    }
    close($2)
  }
  END { exit bad }
' || status=1
exit $status
