#!/usr/bin/env bash
# Runs a command on an Xvfb screen of its own (Mesa's GLX on it), whichever display number is
# free, and stops the screen afterwards. Usage: with-xvfb.sh [-screen WxHxD] COMMAND [ARG...]
set -euo pipefail
screen=1024x768x24
if [ "${1:-}" = "-screen" ]; then screen=$2; shift 2; fi
displays=$(mktemp)
trap 'kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true; rm -f "$displays"' EXIT
Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset -ac 3>"$displays" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$displays" ] && break; sleep 0.1; done
[ -s "$displays" ] || { echo "with-xvfb: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$displays")"
"$@"
