#!/bin/sh
# Installs every Debian package the build, the tests and the program need.
# Quiet and quick when everything is there already.
set -eu

packages="g++ make cmake ccache qt6-base-dev libqt6sql6-sqlite libsqlite3-dev
fonts-thai-tlwg fontconfig xvfb xauth"

missing=""
for p in $packages; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
echo "Installing:$missing"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
# shellcheck disable=SC2086
$sudo apt-get install -y -qq --no-install-recommends $missing >/dev/null
