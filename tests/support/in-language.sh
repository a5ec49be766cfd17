#!/usr/bin/env bash
# Runs a Wine test command in another system language inside scripts/wine-session.sh: in a
# prefix of that language beside the session's (a copy of it, made once) with a wineserver of
# its own, ended afterwards, since a wineserver keeps the language it was started in.
# Usage: in-language.sh xx_YY COMMAND [ARG...]   (for example: wine tests/some_wine_test.exe)
set -euo pipefail

language=$1
shift
# The prefix names of scripts/wine-session.sh, so a session in that language uses the same one.
suffix=
[ "$language" = ja_JP ] || suffix="-$language"
prefix="$(dirname "$WINEPREFIX")/prefix$suffix"
if [ "$prefix" != "$WINEPREFIX" ]; then
  if [ ! -f "$prefix/.velmora-ready" ]; then
    rm -rf "$prefix"
    WINEPREFIX=$WINEPREFIX wineserver -w
    cp -a "$WINEPREFIX" "$prefix"
  fi
  trap 'WINEPREFIX=$prefix wineserver -k 2>/dev/null || true' EXIT
fi
output=$(LANG=$language.UTF-8 VELMORA_WINE_LANG=$language WINEPREFIX=$prefix "$@" 2>&1) &&
  status=0 || status=$?
grep -v '^fixme\|^wine: Read access' <<<"$output" || true
# A filter that matched nothing would pass without having tried anything.
! grep -q '^\[  PASSED  \] 0 tests' <<<"$output" || status=1
exit $status
