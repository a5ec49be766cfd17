#!/usr/bin/env bash
# The settings dialog at 144 dpi: a copy of the session's Wine prefix set to 144 dots per inch
# (made once and kept beside it), with its own wineserver, runs the dialog test's 144 dpi case.
# Usage (inside scripts/wine-session.sh): dpi144_test.sh BUILD_DIR
set -euo pipefail

bin=$1
prefix="$(dirname "$WINEPREFIX")/prefix-144dpi"
if [ ! -f "$prefix/.velmora-144dpi" ]; then
    rm -rf "$prefix"
    WINEPREFIX=$WINEPREFIX wineserver -w
    cp -a "$WINEPREFIX" "$prefix"
    WINEPREFIX=$prefix wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
        /d 144 /f >/dev/null 2>&1
    WINEPREFIX=$prefix wineserver -w
    touch "$prefix/.velmora-144dpi"
fi
trap 'WINEPREFIX=$prefix wineserver -k 2>/dev/null || true' EXIT
cd "$bin"
output=$(WINEPREFIX=$prefix VELMORA_EXPECT_DPI=144 wine tests/saver_dialog_wine_test.exe \
    --gtest_filter='DpiAwareness.At144Dpi*' 2>&1) && status=0 || status=$?
grep -v '^fixme\|^wine: Read access' <<<"$output"
# A filter that matched nothing would pass without having looked at the dialog.
grep -q '^\[       OK \] DpiAwareness.At144Dpi' <<<"$output" || status=1
exit $status
