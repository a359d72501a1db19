#!/bin/sh
# Sets up, builds and starts the program on its default database
# (~/.local/share/tavu/data/tavu2004.mdb, created on first start).
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup.sh
sh scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: starting on a virtual X display (xvfb-run)."
    exec xvfb-run -a build/src/app/tavu
fi
exec build/src/app/tavu
