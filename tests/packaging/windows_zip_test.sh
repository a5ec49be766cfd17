#!/usr/bin/env bash
# The Windows zip as CPack makes it from the build folder: exactly the two programs, the
# read-me and SHA256SUMS at its root; the checksums pass sha256sum's strict check and the
# packed programs are the ones just built.
# Usage: windows_zip_test.sh CPACK BUILD_DIR VERSION
set -euo pipefail
cpack=$1 build=$2 version=$3
out=$build/tests/package
zip=$out/Velmora-$version-windows-x64.zip

rm -rf "$out"
"$cpack" --config "$build/CPackConfig.cmake" -B "$out" >/dev/null

fail() { echo "zip test: $*" >&2; exit 1; }
[ -f "$zip" ] || fail "no $zip"
listing=$(unzip -Z1 "$zip" | sort)
[ "$listing" = "$(printf '%s\n' README.txt SHA256SUMS Velmora.dll Velmora.scr)" ] ||
  fail "the zip holds: $listing"

unzip -q "$zip" -d "$out/unpacked"
cd "$out/unpacked"
[ "$(awk '{print $2}' SHA256SUMS | sort)" = "$(printf '%s\n' Velmora.dll Velmora.scr)" ] ||
  fail "SHA256SUMS lists: $(cat SHA256SUMS)"
sha256sum --check --strict --quiet SHA256SUMS || fail "checksums do not match"
cmp Velmora.scr "$build/Velmora.scr" && cmp Velmora.dll "$build/Velmora.dll"
grep -q "Velmora $version " README.txt || fail "README.txt does not name version $version"
iconv -f UTF-8 -t UTF-8 README.txt >/dev/null || fail "README.txt is not UTF-8"
echo "zip test: $(basename "$zip") holds ${listing//$'\n'/ }"
