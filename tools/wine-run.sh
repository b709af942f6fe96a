#!/bin/sh
# Runs a Windows program of this project under Wine, in a project-local 32-bit prefix that is
# created once and then reused (safe when several tests start at the same moment).
#
#   wine-run.sh PROGRAM.exe [ARGS...]   run it (CTest uses this as the cross-compiling emulator);
#                                       with no display it starts the X server --prepare would
#   wine-run.sh --prepare               make the prefix, start an X server if there is no display,
#                                       start the Wine services outside the caller's output pipe
#   wine-run.sh --kill                  stop the Wine services and the X server --prepare started
#
# VELMORA_WINE_DIR overrides where the prefix and the X server's files live (default build/wine).
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
state=${VELMORA_WINE_DIR:-$root/build/wine}
mkdir -p "$state"

export WINEPREFIX="$state/prefix"
export WINEARCH=win32
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree=d}"

make_prefix() {
    [ -f "$WINEPREFIX/.ready" ] && return 0
    (
        flock 9
        if [ ! -f "$WINEPREFIX/.ready" ]; then
            rm -rf "$WINEPREFIX"
            wineboot -i >/dev/null 2>&1
            # A crash must fail the test, not wait in winedbg's dialog.
            wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
            # Without a window manager every hide of a managed top-level window costs seconds.
            wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
            # Chinese captions: Wine has no CJK font of its own; map the usual ones to WenQuanYi
            # and let the UI fonts fall back to it for characters they lack.
            for face in SimSun NSimSun "Microsoft YaHei" "MS Shell Dlg" "MS Shell Dlg 2"; do
                wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ \
                    /d "WenQuanYi Micro Hei" /f >/dev/null 2>&1
            done
            for face in Tahoma "Microsoft Sans Serif" "Segoe UI"; do
                wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
                    /v "$face" /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f >/dev/null 2>&1
            done
            wineserver -w
            touch "$WINEPREFIX/.ready"
        fi
    ) 9>"$state/prefix.lock"
}

# Use the X server that --prepare started when the caller has no display of its own.
use_display() {
    if [ -z "${DISPLAY:-}" ] && [ -s "$state/xvfb.display" ]; then
        DISPLAY=":$(cat "$state/xvfb.display")"
        export DISPLAY
    fi
}

# A killed server that its parent has not reaped yet still answers kill -0: it is a zombie.
running() {
    kill -0 "$1" 2>/dev/null || return 1
    [ "$(sed 's/.*) //' "/proc/$1/stat" 2>/dev/null | cut -c1)" != Z ]
}

start_xvfb() {
    [ -n "${DISPLAY:-}" ] && return 0
    if [ -s "$state/xvfb.pid" ] && running "$(cat "$state/xvfb.pid")"; then
        return 0
    fi
    rm -f "$state/xvfb.display" "$state/xvfb.pid"
    # -displayfd picks a free display and writes its number once the server accepts clients.
    setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp \
        3>"$state/xvfb.display" </dev/null >/dev/null 2>&1 &
    echo $! >"$state/xvfb.pid"
    i=0
    while [ ! -s "$state/xvfb.display" ]; do
        i=$((i + 1))
        [ $i -gt 100 ] && { echo "wine-run: Xvfb did not start" >&2; exit 1; }
        sleep 0.1
    done
}

case "${1:-}" in
--prepare)
    # wineboot waits forever for a display it cannot open, so the display comes first.
    start_xvfb
    use_display
    make_prefix
    # Exits 2 when the prefix's server is already running, which is just as good.
    wineserver -p </dev/null >/dev/null 2>&1 || true
    # Services started now do not inherit the caller's pipes (CTest would wait on them).
    wine cmd /c exit </dev/null >/dev/null 2>&1
    ;;
--kill)
    wineserver -k 2>/dev/null || true
    if [ -s "$state/xvfb.pid" ]; then
        kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
        rm -f "$state/xvfb.pid" "$state/xvfb.display"
    fi
    ;;
--display)
    use_display
    echo "${DISPLAY:-}"
    ;;
"")
    echo "usage: $0 PROGRAM.exe [ARGS...] | --prepare | --kill | --display" >&2
    exit 2
    ;;
*)
    start_xvfb
    use_display
    make_prefix
    exec wine "$@"
    ;;
esac
