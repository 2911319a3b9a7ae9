#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program from its program folder.
# Without a display it runs on a virtual one (Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
program_dir="$PWD/build/default/bin"
echo "Program folder: $program_dir"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: starting on a virtual X display (xvfb-run)."
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$program_dir/kujimate"
fi
exec "$program_dir/kujimate"
