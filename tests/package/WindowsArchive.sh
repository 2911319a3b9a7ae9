#!/usr/bin/env bash
# The Windows archive of the companion, unpacked into a fresh folder with a Japanese name and
# a space, runs from there under wine: kujimate-cli.exe beside SysData.
set -euo pipefail
build="$1"
cpack_cmd="$2"
wine_run="$3"
work="$(mktemp -d "${TMPDIR:-/tmp}/kujimate-winarchive-XXXXXX")"
trap 'rm -rf "$work"' EXIT
"$cpack_cmd" -G ZIP --config "$build/CPackConfig.cmake" -B "$work/out" >/dev/null
archive="$(ls "$work"/out/kujimate-*-windows-*.zip)"
mkdir -p "$work/unpacked/くじ 置き場"
(cd "$work/unpacked/くじ 置き場" && cmake -E tar xf "$archive")
folder="$(ls -d "$work"/unpacked/くじ\ 置き場/kujimate-*)"
for f in kujimate-cli.exe SysData/TeamName.dat SysData/TeamName1.dat SysData/TeamName2.dat SysData/J1J2.dat; do
  [ -e "$folder/$f" ] || { echo "missing in the archive: $f"; exit 1; }
done
printf '1,0,2,1,0,2,1,0,2,1,0\r\n2,2,2,2,2,2,2,2,2,2,2\r\n' > "$folder/シングル 一覧.csv"
rows="$(cd "$folder" && "$wine_run" "$folder/kujimate-cli.exe" export rows "シングル 一覧.csv")"
expected="$(printf '1:10210210210\r\n2:22222222222\r')"
[ "$rows" = "$expected" ] || { echo "export rows printed:"; printf '%s' "$rows" | od -c | head; exit 1; }
echo "archive ok: $(basename "$archive")"
