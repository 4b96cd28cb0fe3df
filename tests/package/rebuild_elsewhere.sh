#!/bin/sh
# Builds the two programs and the zip again from a copy of the source in
# another folder, as a stranger would from a clean checkout, and compares
# the bytes with this build's.
# Usage: rebuild_elsewhere.sh SOURCE_DIR BUILD_DIR ZIP SOURCE_DATE_EPOCH
set -eu
source=$1 build=$2 zip=$3
export SOURCE_DATE_EPOCH=$4

fail() { echo "rebuild: $*" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# What a checkout holds: tracked files and new ones not ignored, without the
# history (hence the source's time from SOURCE_DATE_EPOCH) or any build.
mkdir "$work/source"
git -C "$source" ls-files -z --cached --others --exclude-standard |
    tar -C "$source" --null -T - --ignore-failed-read -cf - 2>/dev/null | tar -C "$work/source" -xf -
cd "$work/source"
# cpack builds nothing itself: only the programs here.
{
    cmake --preset windows &&
        cmake --build --preset windows --target Corelim CorelimGUI &&
        cpack --config build/windows/CPackConfig.cmake -B "$work/package"
} >"$work/log" 2>&1 || { cat "$work/log" >&2; fail "the second build in $work failed"; }

for exe in Corelim.exe CorelimGUI.exe; do
    cmp "build/windows/bin/$exe" "$build/bin/$exe" ||
        fail "$exe built in another folder differs from $build/bin/$exe: something of the build's place or time got in"
done
cmp "$work/package/$(basename "$zip")" "$zip" ||
    fail "the zip built in another folder differs from $zip: an entry's order, time or owner changed"
