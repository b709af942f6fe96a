#!/bin/sh
# Builds everything and runs every test under Wine (on Xvfb when there is no display).
set -eu
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake --preset mingw-i686
cmake --build --preset mingw-i686
ctest --preset mingw-i686
