#!/usr/bin/env bash
# The portable archive, unpacked into a fresh folder, runs from there; its desktop entry
# installs for one user and stays valid.
set -euo pipefail
build="$1"
cpack_cmd="$2"
work="$(mktemp -d "${TMPDIR:-/tmp}/kujimate-archive-XXXXXX")"
trap 'rm -rf "$work"' EXIT
"$cpack_cmd" --config "$build/CPackConfig.cmake" -B "$work/out" >/dev/null
archive="$(ls "$work"/out/kujimate-*.tar.gz)"
mkdir "$work/unpacked"
tar -xzf "$archive" -C "$work/unpacked"
folder="$(ls -d "$work"/unpacked/kujimate-*)"
for f in kujimate kujimate-cli SysData/TeamName.dat SysData/TeamName1.dat SysData/TeamName2.dat SysData/J1J2.dat \
         jp.kasumiworks.kujimate.desktop icons/hicolor/48x48/apps/jp.kasumiworks.kujimate.png; do
  [ -e "$folder/$f" ] || { echo "missing in the archive: $f"; exit 1; }
done
version="$(cd "$work" && "$folder/kujimate-cli" --version)"
echo "$version" | grep -q "1\.0" || { echo "unexpected version: $version"; exit 1; }
printf '1,0,2,1,0,2,1,0,2,1,0\r\n2,2,2,2,2,2,2,2,2,2,2\r\n' > "$work/small.csv"
rows="$(cd "$work" && "$folder/kujimate-cli" export rows small.csv)"
expected="$(printf '1:10210210210\r\n2:22222222222\r')"
[ "$rows" = "$expected" ] || { echo "export rows printed:"; printf '%s' "$rows" | od -c | head; exit 1; }

XDG_DATA_HOME="$work/home" "$folder/install-desktop-entry.sh" >/dev/null
entry="$work/home/applications/jp.kasumiworks.kujimate.desktop"
grep -q "^Exec=\"$folder/kujimate\"$" "$entry" || { echo "entry does not start this folder's program"; exit 1; }
desktop-file-validate "$entry"
[ -f "$work/home/icons/hicolor/256x256/apps/jp.kasumiworks.kujimate.png" ] || { echo "icon not installed"; exit 1; }
echo "archive ok: $(basename "$archive")"
