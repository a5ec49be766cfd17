#!/usr/bin/env bash
# The main job: builds Velmora.scr and Velmora.dll, installs them side by side in build/install
# and runs the screensaver under Wine, full screen by default (any argument is passed on as the
# screensaver command line, e.g. /c for the settings dialog).
#   - With a reachable $DISPLAY it runs there until it ends (Escape ends a full-screen run);
#     a screenshot is taken after a few seconds.
#   - Without one it runs on a virtual 1024 x 768 x 16 screen for a few seconds, then presses
#     Escape (or closes the dialog).
# Either way the picture is left in build/screenshot.png. Music follows
# build/install/Velmora.ini, which only the settings dialog writes: off until you choose some.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
mode=("${@:-/s}")
seconds=${VELMORA_RUN_SECONDS:-6}

scripts/setup-packages.sh
cmake --preset windows-programs >/dev/null
cmake --build --preset windows-programs --target velmora_scr velmora_dll
mkdir -p build/install
cp build/windows-programs/Velmora.scr build/windows-programs/Velmora.dll build/install/

screenshot() { # display
  sleep "$seconds"
  import -display "$1" -window root "$root/build/screenshot.png" && echo "run: screenshot in build/screenshot.png"
}

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  export LANG=ja_JP.UTF-8 WINEPREFIX="$root/build/run-env/prefix" WINEDEBUG=-all
  unset LC_ALL LC_CTYPE LANGUAGE
  [ -d "$WINEPREFIX" ] || WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1
  screenshot "$DISPLAY" &
  wine build/install/Velmora.scr "${mode[@]}"
  wait
else
  scripts/wine-session.sh build/run-env -- bash -c '
    wine build/install/Velmora.scr "$@" &
    sleep '"$seconds"'
    import -window root build/screenshot.png && echo "run: screenshot in build/screenshot.png"
    xdotool key Escape
    for _ in $(seq 30); do kill -0 $! 2>/dev/null || exit 0; sleep 0.1; done
    echo "run: still running (a dialog waits for the user); ending it"' run "${mode[@]}"
fi
