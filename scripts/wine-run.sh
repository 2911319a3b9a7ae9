#!/usr/bin/env bash
# Runs a Windows program under wine64, headless, in a wine prefix of the build's own
# (WINEPREFIX, default build/windows/wineprefix), made on first use.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${WINEPREFIX:-$here/build/windows/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEARCH=win64
# No window system: no display, and no mono or gecko installer dialogs.
export DISPLAY=
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}"
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  # Two first runs at once would build one prefix twice.
  (flock 9; [ -f "$WINEPREFIX/system.reg" ] || "$wine" wineboot -i >/dev/null 2>&1) 9>"$WINEPREFIX.lock"
fi
exec "$wine" "$@"
