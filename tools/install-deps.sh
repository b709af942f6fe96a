#!/bin/sh
# Installs what building and testing need on Debian 12, when something is missing.
# Needs root (or sudo) only when it has something to install.
set -eu

need=""
have() { command -v "$1" >/dev/null 2>&1; }
have i686-w64-mingw32-g++ || need="$need g++-mingw-w64-i686"
have cmake || need="$need cmake"
have make || need="$need make"
have Xvfb || need="$need xvfb"
have xdotool || need="$need xdotool"
have import || need="$need imagemagick"
have flock || need="$need util-linux"
[ -f /usr/include/doctest/doctest.h ] || need="$need doctest-dev"
[ -f /usr/share/fonts/truetype/wqy/wqy-microhei.ttc ] || need="$need fonts-wqy-microhei"
# The 32-bit loader is what runs our i686 programs.
if ! have wine || ! { [ -x /usr/lib/wine/wine ] || dpkg -s wine32:i386 >/dev/null 2>&1; }; then
    need="$need wine wine32:i386"
fi

[ -z "$need" ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "install-deps: installing$need"
case " $need " in
*":i386 "*) $sudo dpkg --add-architecture i386 ;;
esac
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $need
