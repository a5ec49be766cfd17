#!/usr/bin/env bash
# Installs every Debian package the build and the tests need, when missing, and generates the
# Japanese locale the Wine tests run under. Safe to run again: it does nothing when all is there.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev googletest clang-format-16
  g++-mingw-w64-x86-64 wine wine64
  xvfb xauth xdotool x11-utils imagemagick e2fsprogs
  locales fonts-ipafont-gothic unzip dpkg-dev
  pulseaudio pulseaudio-utils sox lame
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  libgl1-mesa-dri libx11-dev libgl-dev libglu1-mesa-dev xscreensaver xscreensaver-data
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
fi

if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  echo "setup: generating ja_JP.UTF-8"
  "${sudo_cmd[@]}" sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
  "${sudo_cmd[@]}" locale-gen >/dev/null
fi
