#!/bin/sh
# release_test.sh RELEASE_SH BUILD_DIR win32|win64 SCRATCH: the build packed twice, the second time
# from another folder, time zone and umask, gives the same bytes, with no path of the build inside;
# an archive whose bytes differ from the build's fails the check; failing runs leave no temporary
# folder behind.
set -eu
release=$1 build=$(cd "$2" && pwd) arch=$3 out=$4
rm -rf "$out" && mkdir -p "$out/tmp" "$out/elsewhere" "$out/unpacked"
export TMPDIR="$out/tmp"
"$release" --from "$build" "$arch" "$out/a"
(cd "$out/elsewhere" && umask 077 && TZ=XXX-8 "$release" --from "$build" "$arch" "$out/b")
diff -r "$out/a" "$out/b"

zip=$(ls "$out"/a/*.zip)
(cd "$out/unpacked" && cmake -E tar xf "$zip")
# Any separator: tools write the path with its slashes turned into underscores too.
if grep -r -a -l "$(echo "$build" | sed 's/[^A-Za-z0-9]/./g')" "$out/unpacked"; then
    echo "the build's path is inside $zip"; exit 1
fi

echo >>"$out/unpacked/$(basename "$zip" .zip)/bin/launcher.exe"
(cd "$out/unpacked" && zip -q -r "$out/bad.zip" .)
"$release" --check "$build" "$arch" "$out/bad.zip" 2>&1 | grep "bin/launcher.exe in .* is not the build's"
if "$release" --from "$out/no-build" "$arch" "$out/c"; then echo "packed a build that is not there"; exit 1; fi
[ -z "$(ls -A "$out/tmp")" ] || { echo "left behind: $(ls -A "$out/tmp")"; exit 1; }
