#!/bin/sh
# Builds everything and runs every test under Wine (on Xvfb when there is no display): the 64-bit
# suite always, the 32-bit suite too where this machine can execute 32-bit programs. Fails when
# either suite fails.
set -eu
cd "$(dirname "$0")/.."
tools/install-deps.sh

suite() {
    cmake --preset "$1" && cmake --build --preset "$1" && ctest --preset "$1"
}

status=0
suite mingw-x86_64 || status=1
if why=$(tools/wine-run.sh --arch 32 --probe); then
    suite mingw-i686 || status=1
else
    echo "test: skipping the 32-bit suite: this machine cannot run Wine's 32-bit loader ($why)"
fi
exit $status
