#!/usr/bin/env bash
# A full-screen run over a stale texture bitmap that cannot be replaced: "C:\Vantri.bmp" holds an
# old, all-black picture and is immutable (chattr +i, which even root cannot get past), so the
# saver writes the star to the temporary folder. The renderer must read that fresh copy: the
# screen shows lit stars, where the stale picture would leave it black.
# Usage (inside scripts/wine-session.sh): stale_texture_test.sh BUILD_DIR
set -euo pipefail

bin=$1
work=$(mktemp -d "$bin/stale-texture.XXXXXX")
stale="$WINEPREFIX/drive_c/Vantri.bmp"
cleanup() {
    chattr -i "$stale" 2>/dev/null || true
    rm -f "$stale"
    rm -rf "$work"
}
trap cleanup EXIT
cp "$bin/Velmora.scr" "$bin/Velmora.dll" "$work/"
chattr -i "$stale" 2>/dev/null || true
rm -rf "$stale"
convert -size 32x32 xc:black -type TrueColor "BMP3:$stale"
touch -d '2020-01-01' "$stale"
chattr +i "$stale"
stale_sum=$(md5sum <"$stale")
failures=0
check() { # description, condition
    if eval "$2"; then echo "ok: $1"; else echo "FAIL: $1"; failures=$((failures + 1)); fi
}

(cd "$work" && exec wine Velmora.scr /s) 2>/dev/null &
saver=$!
for _ in $(seq 100); do
    xdotool search --name '^Vantri_VC$' >/dev/null 2>&1 && break
    sleep 0.2
done
sleep 3
import -window root "$work/screen.png"
brightness=$(convert "$work/screen.png" -colorspace Gray -format '%[fx:mean]' info:)
echo "[figures] mean screen brightness with the stale root file: $brightness"
check "the renderer still runs" 'xdotool search --name "^Vantri_VC$" >/dev/null 2>&1'
check "the screen shows lit stars" 'awk "BEGIN { exit !($brightness > 0.002) }"'
check "the stale file was not replaced" '[ "$(md5sum <"$stale")" = "$stale_sum" ]'
xdotool key Escape
for _ in $(seq 30); do kill -0 $saver 2>/dev/null || break; sleep 0.1; done
check "the run ended on one tap" '! kill -0 $saver 2>/dev/null'
kill $saver 2>/dev/null || true
wait $saver 2>/dev/null || true

echo "$((failures == 0 ? 1 : 0)) passed, $((failures > 0 ? 1 : 0)) failed"
[ $failures -eq 0 ]
