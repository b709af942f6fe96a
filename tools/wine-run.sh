#!/bin/sh
# Runs a Windows program of this project under Wine, with the loader and the project-local prefix
# that fit the program's architecture: 32-bit programs with Wine's 32-bit loader in a win32 prefix,
# 64-bit ones with the 64-bit loader in a win64 prefix. Each prefix is made once and then reused
# (safe when several tests start at the same moment).
#
#   wine-run.sh [--arch 32|64] PROGRAM.exe [ARGS...]
#                               run it (CTest uses this as the cross-compiling emulator); the
#                               architecture is read from the program's PE header unless given;
#                               with no display it starts the X server --prepare would
#   wine-run.sh [--arch 32|64] --prepare
#                               make the prefix, start an X server if there is no display,
#                               start the Wine services outside the caller's output pipe
#   wine-run.sh [--arch 32|64] --kill
#                               stop the Wine services and the X server --prepare started
#   wine-run.sh --arch 32|64 --probe
#                               exit 0 when this machine can run that loader, else print why
#   wine-run.sh [--arch 32|64] --display
#                               print the display the programs use
#
# --arch defaults to 32 where there is no program to look at. VELMORA_WINE_DIR overrides where the
# prefixes and the X servers' files live (default build/wine for 32-bit, build/wine64 for 64-bit).
# VELMORA_DPI=N (other than 96) runs in a copy of the prefix whose screen has N dots per inch
# (Wine keeps the DPI per prefix); VELMORA_SCREEN sets the size of the X server --prepare starts
# (default 1280x1024x24).
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)

arch=""
if [ "${1:-}" = "--arch" ]; then
    arch=${2:-}
    shift 2 || { echo "wine-run: --arch needs 32 or 64" >&2; exit 2; }
fi

# The machine field of a PE file: 0x014c is i386, 0x8664 is x86-64.
pe_arch() {
    off=$(od -A n -t u4 -j 60 -N 4 "$1" 2>/dev/null | tr -d ' ')
    [ -n "$off" ] || return 1
    machine=$(od -A n -t x2 -j $((off + 4)) -N 2 "$1" 2>/dev/null | tr -d ' ')
    case "$machine" in
    014c) echo 32 ;;
    8664) echo 64 ;;
    *) return 1 ;;
    esac
}

if [ -z "$arch" ]; then
    case "${1:-}" in
    --*|"") arch=32 ;;
    *) if [ -f "$1" ]; then arch=$(pe_arch "$1") || arch=32; else arch=32; fi ;;
    esac
fi

case "$arch" in
32)
    # VELMORA_WINE32 stands in for the 32-bit loader (how the skip path is tried on any machine).
    loader=${VELMORA_WINE32:-/usr/lib/wine/wine}
    export WINEARCH=win32
    state=${VELMORA_WINE_DIR:-$root/build/wine}
    ;;
64)
    loader=/usr/lib/wine/wine64
    export WINEARCH=win64
    state=${VELMORA_WINE_DIR:-$root/build/wine64}
    ;;
*)
    echo "wine-run: --arch must be 32 or 64, not '$arch'" >&2
    exit 2
    ;;
esac

dpi=${VELMORA_DPI:-96}
case "$dpi" in
''|*[!0-9]*) echo "wine-run: VELMORA_DPI must be a number, not '$dpi'" >&2; exit 2 ;;
esac

export WINELOADER="$loader"
base_prefix="$state/prefix"
export WINEPREFIX="$base_prefix"
[ "$dpi" = 96 ] || WINEPREFIX="$state/prefix-dpi$dpi"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree=d}"

# Prints why the loader cannot run here (its own message) and fails; silent when it can.
probe() {
    if [ ! -x "$loader" ]; then
        echo "$loader is not installed"
        return 1
    fi
    if ! out=$("$loader" --version 2>&1); then
        echo "$loader --version failed: $(printf '%s' "$out" | tail -n 1)"
        return 1
    fi
}

# The prefix at another DPI: a copy of the ready base prefix with its own LogPixels.
make_dpi_prefix() {
    [ -f "$WINEPREFIX/.ready" ] && return 0
    dpi_prefix=$WINEPREFIX
    WINEPREFIX=$base_prefix
    make_prefix
    WINEPREFIX=$dpi_prefix
    (
        flock 9
        if [ ! -f "$dpi_prefix/.ready" ]; then
            rm -rf "$dpi_prefix"
            cp -a "$base_prefix" "$dpi_prefix"
            rm -f "$dpi_prefix/.ready"
            "$loader" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
                >>"$state/prefix.log" 2>&1
            wineserver -w
            touch "$dpi_prefix/.ready"
        fi
    ) 9>"$state/prefix-dpi.lock"
}

make_prefix() {
    [ "$WINEPREFIX" = "$base_prefix" ] || { make_dpi_prefix; return; }
    [ -f "$WINEPREFIX/.ready" ] && return 0
    mkdir -p "$state"
    (
        flock 9
        if [ ! -f "$WINEPREFIX/.ready" ]; then
            if ! why=$(probe); then
                echo "wine-run: cannot make the $arch-bit prefix: $why" >&2
                exit 1
            fi
            rm -rf "$WINEPREFIX"
            log="$state/prefix.log"
            if ! "$loader" wineboot -i >"$log" 2>&1; then
                echo "wine-run: making the $arch-bit prefix failed; wineboot said:" >&2
                tail -n 20 "$log" >&2
                exit 1
            fi
            reg() { "$loader" reg add "$@" /f >>"$log" 2>&1; }
            # A crash must fail the test, not wait in winedbg's dialog.
            reg 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0
            # Without a window manager every hide of a managed top-level window costs seconds.
            reg 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N
            # Chinese captions: Wine has no CJK font of its own; map the usual ones to WenQuanYi
            # and let the UI fonts fall back to it for characters they lack.
            for face in SimSun NSimSun "Microsoft YaHei" "MS Shell Dlg" "MS Shell Dlg 2"; do
                reg 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ /d "WenQuanYi Micro Hei"
            done
            for face in Tahoma "Microsoft Sans Serif" "Segoe UI"; do
                reg 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
                    /v "$face" /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei'
            done
            # Wine draws the caption buttons with Marlett but does not look in its own font
            # folder for it here: without this copy they show the letters "0 1 r".
            fonts="$WINEPREFIX/drive_c/windows/Fonts"
            [ -f /usr/share/wine/fonts/marlett.ttf ] && mkdir -p "$fonts" &&
                cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
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
    mkdir -p "$state"
    if [ -s "$state/xvfb.pid" ] && running "$(cat "$state/xvfb.pid")"; then
        return 0
    fi
    rm -f "$state/xvfb.display" "$state/xvfb.pid"
    # -displayfd picks a free display and writes its number once the server accepts clients.
    setsid Xvfb -displayfd 3 -screen 0 "${VELMORA_SCREEN:-1280x1024x24}" -nolisten tcp \
        3>"$state/xvfb.display" </dev/null >/dev/null 2>&1 &
    echo $! >"$state/xvfb.pid"
    i=0
    while [ ! -s "$state/xvfb.display" ]; do
        i=$((i + 1))
        [ $i -gt 100 ] && { echo "wine-run: Xvfb did not start" >&2; exit 1; }
        sleep 0.1
    done
}

stop_xvfb() {
    if [ -s "$state/xvfb.pid" ]; then
        kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
        rm -f "$state/xvfb.pid" "$state/xvfb.display"
    fi
}

case "${1:-}" in
--probe)
    probe
    ;;
--prepare)
    # wineboot waits forever for a display it cannot open, so the display comes first.
    start_xvfb
    use_display
    # A failed preparation leaves no X server behind.
    make_prefix || { stop_xvfb; exit 1; }
    # Exits 2 when the prefix's server is already running, which is just as good.
    wineserver -p </dev/null >/dev/null 2>&1 || true
    # Services started now do not inherit the caller's pipes (CTest would wait on them).
    "$loader" cmd /c exit </dev/null >/dev/null 2>&1
    ;;
--kill)
    [ -d "$WINEPREFIX" ] && { wineserver -k 2>/dev/null || true; }
    stop_xvfb
    ;;
--display)
    use_display
    echo "${DISPLAY:-}"
    ;;
""|--*)
    echo "usage: $0 [--arch 32|64] PROGRAM.exe [ARGS...] | --prepare | --kill | --probe | --display" >&2
    exit 2
    ;;
*)
    start_xvfb
    use_display
    make_prefix
    exec "$loader" "$@"
    ;;
esac
