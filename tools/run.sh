#!/usr/bin/env bash
# Builds Velquorran and starts it. Without a display (no DISPLAY or WAYLAND_DISPLAY) the window
# runs inside a virtual X server (Xvfb) if one is installed.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target velquorran velquorran-chart
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: starting the window inside Xvfb (xvfb-run)." >&2
    exec xvfb-run -a build/shell/velquorran "$@"
fi
exec build/shell/velquorran "$@"
