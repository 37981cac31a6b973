#!/usr/bin/env bash
# Sets the machine up, builds Radixmender and opens its window.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"

cmake -S "$root" -B "$root/build/app" -G Ninja -DCMAKE_BUILD_TYPE=Release -DRM_BENCH=OFF >/dev/null
cmake --build "$root/build/app" -j "$(nproc)" --target radixmender

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" != "offscreen" ]; then
  echo "No display found. Run the app under a virtual display with:"
  echo "  xvfb-run -s '-screen 0 1280x1024x24' $root/build/app/radixmender"
  exit 0
fi
exec "$root/build/app/radixmender" "$@"
