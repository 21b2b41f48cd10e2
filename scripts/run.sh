#!/usr/bin/env bash
# Builds Tavelo and starts it in the user's data folder (created if missing), where it keeps its
# database. Without a display it says how to run under a virtual one.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target tavelo
if [ -z "${DISPLAY:-}" ]; then
    echo "Tavelo is built, but no X display is available (DISPLAY is not set)." >&2
    echo "To run it on a virtual display: xvfb-run -a -s '-screen 0 1280x1024x24' $0" >&2
    exit 1
fi
exec env TAVELO_BIN="$(pwd)/build/app/gtk/tavelo" scripts/tavelo-launch "$@"
