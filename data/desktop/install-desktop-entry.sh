#!/bin/sh
# Adds KUJIMATE to the desktop's application menu of the current user, pointing at this
# folder; run it again after moving the folder. Remove with --remove.
set -eu
here="$(cd "$(dirname "$0")" && pwd)"
id=jp.kasumiworks.kujimate
apps="${XDG_DATA_HOME:-$HOME/.local/share}/applications"
icons="${XDG_DATA_HOME:-$HOME/.local/share}/icons/hicolor"
if [ "${1:-}" = "--remove" ]; then
  rm -f "$apps/$id.desktop"
  find "$icons" -name "$id.*" -delete 2>/dev/null || true
  exit 0
fi
mkdir -p "$apps"
sed "s|^Exec=kujimate\$|Exec=\"$here/kujimate\"|" "$here/$id.desktop" > "$apps/$id.desktop"
for dir in "$here"/icons/hicolor/*/apps; do
  size="$(basename "$(dirname "$dir")")"
  mkdir -p "$icons/$size/apps"
  cp "$dir"/$id.* "$icons/$size/apps/"
done
command -v update-desktop-database >/dev/null 2>&1 && update-desktop-database "$apps" 2>/dev/null || true
echo "KUJIMATE is in the application menu ($apps/$id.desktop)."
