#!/usr/bin/env bash
# Runs a command inside the environment the Windows programs are tested in:
#   - an Xvfb screen of 1024 x 768 x 16 ($DISPLAY) and a 1280 x 1024 x 24 one on which the
#     renderer's 16-bit mode is refused ($VELMORA_ALT_DISPLAY, with its own prefix
#     $VELMORA_ALT_PREFIX, since one wineserver should not serve two X screens);
#   - a private WINEPREFIX, created once below the state folder, whose X11 driver does not wait
#     for a window manager (otherwise every DestroyWindow of a top-level window takes 2 s);
#   - the system language, which sets Wine's ANSI code page: LANG=ja_JP.UTF-8 (932) unless
#     --lang names another (en_US 1252, ru_RU 1251, zh_CN 936, ko_KR 949); each language has
#     prefixes of its own, since a prefix and its wineserver keep the language they started in;
#   - a PulseAudio daemon with a null sink, so Wine has wave devices and MCI can play.
# Usage: scripts/wine-session.sh [--lang=xx_YY] STATE_DIR [--] COMMAND [ARG...]
set -euo pipefail

language=ja_JP
case "${1:-}" in --lang=*) language=${1#--lang=}; shift ;; esac
usage="usage: wine-session.sh [--lang=xx_YY] STATE_DIR [--] COMMAND..."
[ $# -gt 0 ] || { echo "$usage" >&2; exit 2; }
state=$(mkdir -p "$1" && cd "$1" && pwd)
shift
[ "${1:-}" != "--" ] || shift
[ $# -gt 0 ] || { echo "$usage" >&2; exit 2; }
locale -a 2>/dev/null | grep -qi "^$language\.utf-\?8$" ||
  { echo "wine-session: no locale $language.UTF-8 (scripts/setup-packages.sh)" >&2; exit 2; }

export LANG=$language.UTF-8 VELMORA_WINE_LANG=$language
unset LC_ALL LC_CTYPE LANGUAGE
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="

pids=()
cleanup() {
  for p in "$WINEPREFIX" "$VELMORA_ALT_PREFIX"; do WINEPREFIX=$p wineserver -k 2>/dev/null || true; done
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
}
trap cleanup EXIT

start_xvfb() { # screen; sets $display to the number Xvfb chose
  # -displayfd lets Xvfb take the first free number itself, so sessions started side by side
  # never pick the same one.
  local fifo="$state/xvfb-display.$$"
  rm -f "$fifo" && mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp -noreset 3>"$fifo" >>"$state/xvfb.log" 2>&1 &
  pids+=($!)
  display=
  read -r -t 10 display <"$fifo" || true
  rm -f "$fifo"
  [ -n "$display" ] || { echo "wine-session: Xvfb ($1) did not start" >&2; return 1; }
}

start_xvfb 1024x768x16
main_display=$display
start_xvfb 1280x1024x24
export DISPLAY=":$main_display" VELMORA_ALT_DISPLAY=":$display"

# PulseAudio keeps its socket in a runtime folder of this session, so sessions do not meet.
export XDG_RUNTIME_DIR="$state/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export PULSE_RUNTIME_PATH="$XDG_RUNTIME_DIR/pulse" PULSE_STATE_PATH="$state/pulse-state"
export PULSE_SERVER="unix:$PULSE_RUNTIME_PATH/native"
pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --log-target=stderr \
  -L "module-native-protocol-unix auth-anonymous=1 socket=$PULSE_RUNTIME_PATH/native" \
  -L "module-null-sink sink_name=velmora_null" -L "module-always-sink" \
  >"$state/pulse.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done

make_prefix() { # prefix, display
  [ -f "$1/.velmora-ready" ] && return 0
  rm -rf "$1"
  WINEPREFIX=$1 DISPLAY=$2 wineboot -i >"$state/wineboot.log" 2>&1
  WINEPREFIX=$1 DISPLAY=$2 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
    >>"$state/wineboot.log" 2>&1
  WINEPREFIX=$1 wineserver -w
  touch "$1/.velmora-ready"
}
# Japanese keeps the plain names, so prefixes made before languages were a choice stay in use.
suffix=; [ "$language" = ja_JP ] || suffix="-$language"
export WINEPREFIX="$state/prefix$suffix" VELMORA_ALT_PREFIX="$state/prefix-alt$suffix"
make_prefix "$WINEPREFIX" "$DISPLAY"
make_prefix "$VELMORA_ALT_PREFIX" "$VELMORA_ALT_DISPLAY"

set +e
"$@"
rc=$?
set -e
exit $rc
