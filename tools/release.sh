#!/bin/sh
# Makes the release: builds both presets (Release) where needed, packs each build into
# velmora-launcher-<version>-win32.zip and -win64.zip in OUTDIR (default build/release) with a
# SHA256SUMS file beside them. Each archive is unpacked afresh before it is kept: it must hold
# exactly the files listed below, each one equal to what the build installs.
#
# The archives are reproducible: the files go in sorted, with fixed modes and the time of the
# commit (SOURCE_DATE_EPOCH, else `git log -1 --format=%ct`), and without owner or other times
# (zip -X); two packs of one build are byte-identical.
#
#   tools/release.sh [OUTDIR]
#   tools/release.sh --from BUILD_DIR win32|win64 OUTDIR
#                               pack and check one build that is made already (CTest does this)
#   tools/release.sh --check BUILD_DIR win32|win64 ARCHIVE
#                               check an archive against the build it should hold
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)

# What each archive holds, in its one folder velmora-launcher-<version>-<win32|win64>/.
files="README.txt
bin/launcher.exe
bin/velmora-skin.dll
include/velmora/skin.h
lib/cmake/VelmoraSkin/VelmoraSkinConfig.cmake
lib/cmake/VelmoraSkin/VelmoraSkinConfigVersion.cmake
lib/cmake/VelmoraSkin/VelmoraSkinTargets-release.cmake
lib/cmake/VelmoraSkin/VelmoraSkinTargets.cmake
lib/libvelmora-skin.a
lib/libvelmora-skin.dll.a"

fail() { echo "release: $*" >&2; exit 1; }

# Everything temporary lives here and goes, whichever way the script ends.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
trap 'exit 1' HUP INT TERM

readme() {
    cat <<TEXT
Velmora登入器 $1 ($2)

bin/launcher.exe         the launcher; it needs no other file
bin/velmora-skin.dll     the skin for any program: SkinWindow, AttachSkin, DetachSkin
                         (__stdcall, a window handle in, a LONG out: 1 when it acted, 0 when not);
                         call SkinWindow(form) on the form's own thread once the form exists
include/velmora/skin.h   their declarations (C and C++)
lib/libvelmora-skin.dll.a  import library of the DLL (mingw-w64)
lib/libvelmora-skin.a      the skin as a static library (C++ inside)
lib/cmake/VelmoraSkin/   CMake package: find_package(VelmoraSkin CONFIG REQUIRED), then
                         target_link_libraries(app PRIVATE VelmoraSkin::skin), or VelmoraSkin::dll
TEXT
}

# stage BUILD_DIR win32|win64 DIR: what the build's archive holds, into DIR/$top (sets top).
stage() {
    mkdir "$3"
    cmake --install "$1" --prefix "$3/tree" >/dev/null
    version=$(sed -n 's/^set(PACKAGE_VERSION "\(.*\)")$/\1/p' \
        "$3/tree/lib/cmake/VelmoraSkin/VelmoraSkinConfigVersion.cmake")
    [ -n "$version" ] || fail "no version in the package installed from $1"
    top=velmora-launcher-$version-$2
    mv "$3/tree" "$3/$top"
    cp "$1/src/app/launcher.exe" "$3/$top/bin/"
    readme "$version" "$2" >"$3/$top/README.txt"
}

# check ARCHIVE DIR: ARCHIVE unpacks to exactly the files of DIR/$top, byte for byte.
check() {
    mkdir "$work/unpacked"
    (cd "$work/unpacked" && cmake -E tar xf "$1") || fail "$1 does not unpack"
    got=$(cd "$work/unpacked" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
    want=$(printf '%s\n' "$files" | sed "s|^|$top/|" | LC_ALL=C sort)
    [ "$got" = "$want" ] || fail "$1 holds:
$got
instead of:
$want"
    for file in $want; do
        cmp -s "$2/$file" "$work/unpacked/$file" || fail "$file in $1 is not the build's"
    done
    rm -rf "$work/unpacked"
}

# pack BUILD_DIR win32|win64 OUTDIR: writes and checks the build's archive, adds it to $archives.
pack() {
    epoch=${SOURCE_DATE_EPOCH:-$(git -C "$root" log -1 --format=%ct 2>/dev/null || :)}
    [ -n "$epoch" ] || fail "no commit to take the files' time from: set SOURCE_DATE_EPOCH"
    stage "$1" "$2" "$work/$2"
    # Only what the files hold may differ between two packs: not the umask, the clock, the time
    # zone (zip writes local times) or the order in which the folders list their files.
    (cd "$work/$2/$top" && chmod 644 $files && chmod 755 bin/* && touch -d "@$epoch" $files)
    printf '%s\n' "$files" | sed "s|^|$top/|" | LC_ALL=C sort |
        (cd "$work/$2" && TZ=UTC0 zip -X -D -q "$work/$top.zip" -@)
    check "$work/$top.zip" "$work/$2"
    mv "$work/$top.zip" "$3/"
    archives="$archives $top.zip"
    echo "release: $3/$top.zip"
}

archives=""
case "${1:-}" in
--check)
    [ $# -eq 4 ] || fail "usage: $0 --check BUILD_DIR win32|win64 ARCHIVE"
    archive=$(cd "$(dirname "$4")" && pwd)/$(basename "$4")
    stage "$2" "$3" "$work/$3"
    check "$archive" "$work/$3"
    echo "release: $4 holds the build's files"
    exit 0 ;;
--from)
    [ $# -eq 4 ] || fail "usage: $0 --from BUILD_DIR win32|win64 OUTDIR"
    mkdir -p "$4"
    out=$(cd "$4" && pwd)
    pack "$2" "$3" "$out" ;;
*)
    mkdir -p "${1:-$root/build/release}"
    out=$(cd "${1:-$root/build/release}" && pwd)
    cd "$root"
    for build in mingw-i686:win32 mingw-x86_64:win64; do
        preset=${build%:*}
        cmake --preset "$preset" >/dev/null
        cmake --build --preset "$preset" --target launcher velmora-skin
        pack "build/$preset" "${build#*:}" "$out"
    done ;;
esac
(cd "$out" && sha256sum $archives >SHA256SUMS)
echo "release: $out/SHA256SUMS"
