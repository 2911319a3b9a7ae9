#!/usr/bin/env bash
# Installs what is missing, builds, starts the demo operator site on 127.0.0.1 (a free
# port) pointed to by the program folder's SysData/bigSettings.ini and by
# KUJIMATE_MAKER_SITE, then the program.
# The site stops when the program exits. Without a display the program runs on a
# virtual one (Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
program_dir="$PWD/build/default/bin"
echo "Program folder: $program_dir"

port_file="$(mktemp -u "${TMPDIR:-/tmp}/kujimate-demo-port.XXXXXX")"
"$PWD/build/default/tools/kujimate-demo-site" --port-file "$port_file" --program-folder "$program_dir" &
site_pid=$!
stop_site() { kill "$site_pid" 2>/dev/null || true; rm -f "$port_file"; }
trap stop_site EXIT
trap 'exit 130' INT TERM
for _ in $(seq 100); do
  [ -s "$port_file" ] && break
  kill -0 "$site_pid" 2>/dev/null || { echo "The demo site did not start." >&2; exit 1; }
  sleep 0.1
done
[ -s "$port_file" ] || { echo "The demo site did not start." >&2; exit 1; }
# The demo site also stands in for the maker's download site (overseas team names).
export KUJIMATE_MAKER_SITE="http://127.0.0.1:$(cat "$port_file")"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: starting on a virtual X display (xvfb-run)."
  xvfb-run -a -s "-screen 0 1280x1024x24" "$program_dir/kujimate"
else
  "$program_dir/kujimate"
fi
