#!/bin/sh
# Installs what building and testing need on Debian 12, when something is missing.
# Needs root (or sudo) only when it has something to install.
set -eu

need=""
have() { command -v "$1" >/dev/null 2>&1; }
have i686-w64-mingw32-g++ || need="$need g++-mingw-w64-i686"
have x86_64-w64-mingw32-g++ || need="$need g++-mingw-w64-x86-64"
have cmake || need="$need cmake"
have make || need="$need make"
have Xvfb || need="$need xvfb"
have xdotool || need="$need xdotool"
have import || need="$need imagemagick"
have flock || need="$need util-linux"
have zip || need="$need zip"
[ -f /usr/include/doctest/doctest.h ] || need="$need doctest-dev"
[ -f /usr/share/fonts/truetype/wqy/wqy-microhei.ttc ] || need="$need fonts-wqy-microhei"
# Wine's own fonts: without Marlett the caption buttons show letters instead of their symbols.
dpkg -s fonts-wine >/dev/null 2>&1 || need="$need fonts-wine"
# Both loaders, named: the wine package is satisfied by the 32-bit one alone, and the 64-bit one
# is what runs the tests on machines that cannot execute 32-bit programs.
[ -x /usr/lib/wine/wine64 ] || need="$need wine wine64"
[ -x /usr/lib/wine/wine ] || need="$need wine wine32:i386"

[ -z "$need" ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "install-deps: installing$need"
case " $need " in
*":i386 "*) $sudo dpkg --add-architecture i386 ;;
esac
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $need
