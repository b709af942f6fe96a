#!/bin/sh
# Makes the release: builds both presets (Release) where needed, packs each build into
# velmora-launcher-<version>-win32.zip and -win64.zip in OUTDIR (default build/release) with a
# SHA256SUMS file beside them, then checks that each archive unpacks to exactly the files listed
# below and that `sha256sum -c SHA256SUMS` verifies them.
#
#   tools/release.sh [OUTDIR]
#   tools/release.sh --from BUILD_DIR win32|win64 OUTDIR
#                               pack and check one build that is made already (CTest does this)
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

# pack BUILD_DIR NAME OUTDIR: the build's install tree, launcher.exe and README.txt; prints the
# archive's file name.
pack() {
    stage=$(mktemp -d)
    cmake --install "$1" --prefix "$stage/tree" >/dev/null
    version=$(sed -n 's/^set(PACKAGE_VERSION "\(.*\)")$/\1/p' \
        "$stage/tree/lib/cmake/VelmoraSkin/VelmoraSkinConfigVersion.cmake")
    [ -n "$version" ] || fail "no version in the package installed from $1"
    top=velmora-launcher-$version-$2
    mv "$stage/tree" "$stage/$top"
    cp "$1/src/app/launcher.exe" "$stage/$top/bin/"
    readme "$version" "$2" >"$stage/$top/README.txt"
    rm -f "$3/$top.zip"
    (cd "$stage" && cmake -E tar cf "$3/$top.zip" --format=zip "$top")
    rm -rf "$stage"
    echo "$top.zip"
}

# seal_and_check OUTDIR ARCHIVE...: writes SHA256SUMS for the archives, then checks them.
seal_and_check() {
    out=$1
    shift
    (cd "$out" && sha256sum "$@" >SHA256SUMS && sha256sum --quiet -c SHA256SUMS) ||
        fail "the checksums in $out/SHA256SUMS do not verify"
    for zip in "$@"; do
        unpacked=$(mktemp -d)
        (cd "$unpacked" && cmake -E tar xf "$out/$zip")
        got=$(cd "$unpacked" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
        rm -rf "$unpacked"
        want=$(printf '%s\n' "$files" | sed "s|^|${zip%.zip}/|" | LC_ALL=C sort)
        [ "$got" = "$want" ] || fail "$zip holds:
$got
instead of:
$want"
        echo "release: $out/$zip"
    done
    echo "release: $out/SHA256SUMS verifies"
}

if [ "${1:-}" = "--from" ]; then
    [ $# -eq 4 ] || fail "usage: $0 --from BUILD_DIR win32|win64 OUTDIR"
    mkdir -p "$4"
    out=$(cd "$4" && pwd)
    archive=$(pack "$2" "$3" "$out")
    seal_and_check "$out" "$archive"
    exit 0
fi

mkdir -p "${1:-$root/build/release}"
out=$(cd "${1:-$root/build/release}" && pwd)
cd "$root"
archives=""
for build in mingw-i686:win32 mingw-x86_64:win64; do
    preset=${build%:*}
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" --target launcher velmora-skin
    archives="$archives $(pack "build/$preset" "${build#*:}" "$out")"
done
seal_and_check "$out" $archives
