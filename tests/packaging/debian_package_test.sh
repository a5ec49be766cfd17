#!/usr/bin/env bash
# The Debian package as a user gets it: it installs offline with apt-get (its dependencies are
# already there), XScreenSaver's config folder then lists velmora.xml, the installed hack refuses
# a bad option with status 1, the real MATE screensaver and XScreenSaver daemons run it
# (tests/desktop), and apt-get remove leaves none of its files and folders behind. It changes
# the system, so it runs as root and removes the package on every way out.
# Usage: debian_package_test.sh BUILD_DIR VERSION
set -euo pipefail
build=$1 version=$2
out=$build/tests/package
rm -rf "$out" && mkdir -p "$out"
deb=$(realpath "$out")/velmora_${version}_amd64.deb

fail() { echo "deb test: $*" >&2; exit 1; }
[ "$(id -u)" = 0 ] || fail "needs root to install the package"
dpkg -s velmora >/dev/null 2>&1 && fail "velmora is already installed; remove it first"

cpack --config "$build/CPackConfig.cmake" -B "$out" >/dev/null
[ -f "$deb" ] || fail "no $deb"

trap 'apt-get remove -y velmora >/dev/null 2>&1 || true' EXIT
apt-get install -y "$deb" >/dev/null
listed=$(dpkg -L velmora)
files=$(while read -r f; do [ -f "$f" ] && echo "$f"; done <<<"$listed")
expected=$(printf '%s\n' /usr/bin/velmora-xscreensaver /usr/libexec/xscreensaver/velmora \
  /usr/share/applications/screensavers/velmora.desktop /usr/share/doc/velmora/changelog.gz \
  /usr/share/doc/velmora/copyright /usr/share/man/man1/velmora-xscreensaver.1.gz \
  /usr/share/man/man6/velmora.6.gz /usr/share/xscreensaver/config/velmora.xml)
[ "$(sort <<<"$files")" = "$expected" ] || fail "dpkg -L lists: $files"
ls /usr/share/xscreensaver/config | grep -qx velmora.xml || fail "config folder lacks velmora.xml"
zcat /usr/share/man/man6/velmora.6.gz | grep -q "^\.TH velmora 6 \"$version\"" ||
  fail "the manual page does not carry version $version"

status=0
/usr/libexec/xscreensaver/velmora -no-such-option 2>/dev/null || status=$?
[ "$status" = 1 ] || fail "a bad option exits $status, not 1"
tests=$(dirname "$0")/..
"$tests/support/with-xvfb.sh" "$tests/desktop/mate_screensaver_test.sh" \
  "$(realpath "$out")/mate-screensaver.png"
"$tests/support/with-xvfb.sh" "$tests/desktop/xscreensaver_list_test.sh"

apt-get remove -y velmora >/dev/null
trap - EXIT
for f in $files; do [ ! -e "$f" ] || fail "$f is left after removal"; done
# A folder that stays belongs to another package too.
while read -r d; do
  [ "$d" = /. ] || [ ! -e "$d" ] || dpkg -S "$d" >/dev/null 2>&1 || fail "$d is left after removal"
done <<<"$listed"
echo "deb test: $(basename "$deb") installs, runs under MATE and XScreenSaver, removes cleanly"
