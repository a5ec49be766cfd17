#!/usr/bin/env bash
# The installed velmora-xscreensaver with the real XScreenSaver daemon running: for a user
# without ~/.xscreensaver it writes XScreenSaver's default list and Velmora, a second run changes
# nothing, and the daemon, rereading the file by itself, then starts the installed hack as the
# last hack of the list (xscreensaver-command -select); after --remove the same number starts
# no Velmora. XScreenSaver launches no hack as root, so the daemon runs as a user made for the
# test. Run by debian_package_test.sh while the package is installed, on a screen of its own
# (tests/support/with-xvfb.sh).
set -euo pipefail
hack=/usr/libexec/xscreensaver/velmora
user=velmora-test
id "$user" >/dev/null 2>&1 || useradd -m "$user"
home=$(getent passwd "$user" | cut -d: -f6)
work=$(mktemp -d)
cleanup() {
  [ -z "${daemon:-}" ] || { kill "$daemon" 2>/dev/null; wait "$daemon" 2>/dev/null; } || true
  rm -rf "$work" "$home/.xscreensaver"
}
trap cleanup EXIT
fail() { echo "xscreensaver list test: $*" >&2; [ ! -f "$work/daemon.log" ] || tail -20 "$work/daemon.log" >&2; exit 1; }

as_user() { runuser -u "$user" -- env DISPLAY="$DISPLAY" HOME="$home" "$@"; }
# The installed hack's process on this screen, if one runs (the daemon starts it by name, and
# names the screen in its DISPLAY).
hack_pid() { pgrep -u "$user" -x velmora | while read -r pid; do
  [ "$(readlink "/proc/$pid/exe")" = "$hack" ] &&
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxE "DISPLAY=$DISPLAY(\.0)?" && echo "$pid"; done; }
# Whether -select N starts Velmora within the seconds given.
selects_velmora() {
  as_user xscreensaver-command -select "$1" >/dev/null 2>&1 || true
  local found=no
  for _ in $(seq $(($2 * 4))); do [ -n "$(hack_pid)" ] && { found=yes; break; }; sleep 0.25; done
  as_user xscreensaver-command -deactivate >/dev/null 2>&1 || true
  for _ in $(seq 50); do [ -z "$(hack_pid)" ] && break; sleep 0.1; done
  [ "$found" = yes ]
}
# The number of entries of the list: lines ending in \n\ after "programs:".
entries() { awk '/^programs:/ { on = 1; next } on && /\\n\\$/ { n++ } on && /^$/ { exit } END { print n }' "$1"; }

rm -f "$home/.xscreensaver"
as_user xscreensaver -no-splash >"$work/daemon.log" 2>&1 &
daemon=$!
for _ in $(seq 100); do as_user xscreensaver-command -time >/dev/null 2>&1 && break; sleep 0.1; done

as_user velmora-xscreensaver >/dev/null
list=$home/.xscreensaver
[ -f "$list" ] || fail "no $list written"
cp -p "$list" "$work/added"
as_user velmora-xscreensaver >/dev/null
cmp -s "$list" "$work/added" && [ ! "$list" -nt "$work/added" ] || fail "a second run changed $list"
count=$(entries "$list")
defaults=$(awk '/^\*programs:/ { on = 1; next } on { n++ } on && !/\\$/ { exit } END { print n }' \
  /etc/X11/app-defaults/XScreenSaver)
[ "$count" = $((defaults + 1)) ] || fail "$count entries written for $defaults defaults and Velmora"
selects_velmora "$count" 10 || fail "-select $count starts no Velmora after velmora-xscreensaver"

as_user velmora-xscreensaver --remove >/dev/null
[ "$(entries "$list")" = "$defaults" ] || fail "--remove left $(entries "$list") entries"
! grep -q "velmora --root" "$list" || fail "--remove left Velmora in $list"
! selects_velmora "$count" 3 || fail "-select $count still starts Velmora after --remove"
echo "xscreensaver list test: velmora-xscreensaver adds Velmora as hack $count and takes it out"
