#!/usr/bin/env bash
# The layering check fails, naming file and line, on an include the table does not allow
# and on a folder it has no row for.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp -r "$1" "$work/src"
bash "$here/Layering.sh" "$work/src"

lines=$(wc -l < "$work/src/support/Text.h")
echo '#include "shell/clsTMain.h"' >> "$work/src/support/Text.h"
mkdir "$work/src/extra"
echo '#include "support/Text.h"' > "$work/src/extra/New.cpp"
if out="$(bash "$here/Layering.sh" "$work/src")"; then
  echo "an upward include passed"; exit 1
fi
echo "$out"
grep -qx "src/support/Text.h:$((lines + 1)): support may not include shell/clsTMain.h" <<<"$out"
grep -qx "src/extra/New.cpp: the folder extra has no row in src/Layering.txt" <<<"$out"
