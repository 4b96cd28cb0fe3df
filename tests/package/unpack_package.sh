#!/bin/sh
# Builds the download with cpack, checks what it holds and unpacks it into a
# fresh folder for the Windows test to run from.
# Usage: unpack_package.sh BUILD_DIR OUT_DIR PACKAGE_NAME VERSION RIGHTS_NOTICE
set -eu
build=$1 out=$2 name=$3 version=$4 notice=$5
zip=$out/$name.zip

fail() { echo "package: $*" >&2; exit 1; }

rm -rf "$out"
mkdir -p "$out"
cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
    fail "cpack failed (its output: $out/cpack.log)"
[ -f "$zip" ] || fail "cpack wrote no $name.zip (its output: $out/cpack.log)"
(cd "$out" && sha256sum --quiet -c "$name.zip.sha256") || fail "$name.zip.sha256 does not match $name.zip"

# One folder, and in it exactly the two programs and the two texts.
expected=$(printf '%s\n' Corelim.exe CorelimGUI.exe LICENSE.txt user-guide.txt | sed "s|^|$name/|")
actual=$(unzip -Z1 "$zip" | grep -v '/$' | sort)
[ "$actual" = "$expected" ] || fail "$zip holds
$actual
instead of
$expected"
for entry in $(unzip -Z1 "$zip" | grep '/$'); do
    [ "$entry" = "$name/" ] || fail "$zip holds the extra folder $entry"
done

unzip -q "$zip" -d "$out/unpacked" || fail "cannot unpack $zip"
dir=$out/unpacked/$name

# The programs are the ones just built, not stale copies.
for exe in Corelim.exe CorelimGUI.exe; do
    cmp -s "$dir/$exe" "$build/bin/$exe" || fail "$exe in the zip differs from $build/bin/$exe"
done

# Texts for Notepad: CRLF on every line, the guide marked as UTF-8.
cr=$(printf '\r')
for text in LICENSE.txt user-guide.txt; do
    [ -s "$dir/$text" ] || fail "$text is empty"
    if grep -qv "$cr\$" "$dir/$text"; then fail "$text has lines without CRLF"; fi
done
[ "$(head -c 3 "$dir/user-guide.txt" | od -An -tx1 | tr -d ' ')" = efbbbf ] ||
    fail "user-guide.txt does not start with a UTF-8 byte order mark"
grep -qF "$notice" "$dir/LICENSE.txt" ||
    fail "LICENSE.txt lacks the programs' copyright line"
grep -q "Corelim AffinityMask ExecFile \[Option for ExecFile ...\]" "$dir/user-guide.txt" ||
    fail "user-guide.txt lacks the launcher's usage line"
grep -q "^Corelim $version User guide" "$dir/user-guide.txt" ||
    fail "user-guide.txt does not name version $version in its English title"
