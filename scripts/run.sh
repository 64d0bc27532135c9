#!/usr/bin/env bash
# Sets the project up (packages, build, program folder) and starts the program.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh" default
app="$root/build/default/app/tessarine"
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "No display found; start the program under a virtual display with: xvfb-run -a -s '-screen 0 1280x1024x24' $app"
  exit 0
fi
exec "$app"
