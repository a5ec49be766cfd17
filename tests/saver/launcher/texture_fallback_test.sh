#!/usr/bin/env bash
# Full-screen runs where "C:\Vantri.bmp" cannot take the fresh star picture, so the saver writes
# it to the temporary folder and the renderer must read it from there; the screen then shows lit
# stars, where a missing or black picture leaves it black.
#   - stale: the root file holds an old, all-black picture and is immutable (chattr +i, which even
#     root cannot get past);
#   - wide: the root path is a folder, and the temporary folder's name lies outside the code page.
# Usage (inside scripts/wine-session.sh): texture_fallback_test.sh BUILD_DIR
set -euo pipefail

bin=$1
work=$(mktemp -d "$bin/texture-fallback.XXXXXX")
root="$WINEPREFIX/drive_c/Vantri.bmp"
clear_root() {
    chattr -i "$root" 2>/dev/null || true
    rm -rf "$root"
}
trap 'clear_root; rm -rf "$work"' EXIT
cp "$bin/Velmora.scr" "$bin/Velmora.dll" "$work/"
. "$(dirname "$0")/../../support/checks.sh"

# Runs /s with the temporary folder given (a Windows path), looks at the screen after 3 s and
# ends the run with one tap of Escape.
run_and_look() { # temporary folder
    local program
    program=$(winepath -w "$work/Velmora.scr" 2>/dev/null)
    wine cmd /c "set TEMP=$1&& set TMP=$1&& $program /s" 2>/dev/null &
    look_at_run $! 3 "$work/screen.png"
}

expect_stars() {
    echo "[figures] mean screen brightness: $brightness"
    check "the renderer still runs" '[ $running = 1 ]'
    check "the screen shows lit stars" 'awk "BEGIN { exit !($brightness > 0.002) }"'
    check "the run ended on one tap" '[ $ended = 1 ]'
}

echo "== stale root file"
clear_root
convert -size 32x32 xc:black -type TrueColor "BMP3:$root"
touch -d '2020-01-01' "$root"
chattr +i "$root"
stale_sum=$(md5sum <"$root")
mkdir -p "$work/temp"
run_and_look "$(winepath -w "$work/temp" 2>/dev/null)"
expect_stars
check "the stale file was not replaced" '[ "$(md5sum <"$root")" = "$stale_sum" ]'

echo "== temporary folder named outside the code page"
clear_root
mkdir -p "$root" "$work/temp-한글"
run_and_look "$(winepath -w "$work/temp-한글" 2>/dev/null)"
expect_stars
check "the picture was written there" '[ -s "$work/temp-한글/Vantri.bmp" ]'

report_checks
