#!/bin/sh
# Sets up, builds and runs every test; exits non-zero when any fails.
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup.sh
sh scripts/build.sh
ctest --test-dir build --output-on-failure -j2
