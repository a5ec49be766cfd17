#!/usr/bin/env bash
# The setup program as the package target makes it, twice: without a certificate nothing is
# signed and packing still succeeds; with a throwaway certificate made here (as the environment
# of the package run gives it) the setup verifies, and so do the programs it carries, which are
# left beside it for the setup tests under Wine (they verify the installed uninstaller too).
# Usage: windows_setup_build.sh CPACK BUILD_DIR VERSION
set -euo pipefail
cpack=$1 build=$2 version=$3
out=$build/tests/setup
setup=Velmora-$version-setup.exe
rm -rf "$out"
mkdir -p "$out"
. "$(dirname "$0")/../support/checks.sh"

env -u VELMORA_SIGN_CERT -u VELMORA_SIGN_KEY "$cpack" --config "$build/CPackConfig.cmake" \
    -B "$out/unsigned" >/dev/null
check "an unsigned setup was made" '[ -s "$out/unsigned/$setup" ]'
check "without a certificate nothing is signed" \
    '! osslsigncode verify -in "$out/unsigned/$setup" >/dev/null 2>&1'

openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Velmora test signer" \
    -addext extendedKeyUsage=codeSigning -addext keyUsage=digitalSignature \
    -keyout "$out/key.pem" -out "$out/cert.pem" 2>/dev/null
VELMORA_SIGN_CERT=$out/cert.pem VELMORA_SIGN_KEY=$out/key.pem \
    "$cpack" --config "$build/CPackConfig.cmake" -B "$out" >/dev/null
cp "$out"/_CPack_Packages/*/ZIP/*/Velmora.scr "$out"/_CPack_Packages/*/ZIP/*/Velmora.dll "$out/"
for file in "$setup" Velmora.scr Velmora.dll; do
    check "$file is signed" \
        'osslsigncode verify -CAfile "$out/cert.pem" -in "$out/$file" >/dev/null 2>&1'
done
echo "[figures] setup $(stat -c %s "$out/$setup") bytes signed," \
    "$(stat -c %s "$out/unsigned/$setup") unsigned;" \
    "zip $(stat -c %s "$out/unsigned/Velmora-$version-windows-x64.zip") bytes"
report_checks
