#!/usr/bin/env bash
# Installs what is missing, builds, and starts Taketa. Without a display
# (a server, a container) it starts on a virtual screen from Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "No display: starting Taketa on a virtual screen (xvfb-run). Stop it with Ctrl-C."
  exec xvfb-run -a -s "-screen 0 1280x800x24" build/app/taketa
fi
exec build/app/taketa
