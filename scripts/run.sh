#!/usr/bin/env bash
# Sets everything up, builds, and starts Zelvan. Without a display it runs on a
# virtual one (xvfb-run), which is only useful for trying the start-up.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
BIN="${ZELVAN_BUILD_DIR:-build}/src/gui/zelvan"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$BIN" "$@"
fi
echo "No display found: starting Zelvan on a virtual display." >&2
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$BIN" "$@"
