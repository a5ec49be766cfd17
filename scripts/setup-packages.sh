#!/usr/bin/env bash
# Installs every Debian package the build and the tests need, when missing, and generates the
# locales the Wine tests run under (Wine takes its ANSI code page from LANG: Japanese 932, English
# 1252, Russian 1251, Simplified Chinese 936, Korean 949). Safe to run again: it does nothing when
# all is there.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev googletest clang-format-16
  g++-mingw-w64-x86-64 wine wine64
  xvfb xauth xdotool x11-utils imagemagick e2fsprogs
  locales fonts-ipafont-gothic zip unzip dpkg-dev nsis osslsigncode openssl
  pulseaudio pulseaudio-utils sox lame
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  libgl1-mesa-dri libx11-dev libgl-dev libglu1-mesa-dev xscreensaver xscreensaver-data xsecurelock
  mate-screensaver dbus-daemon dconf-gsettings-backend libglib2.0-bin
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

locales=(ja_JP en_US ru_RU zh_CN ko_KR)
missing_locales=()
for l in "${locales[@]}"; do
  locale -a 2>/dev/null | grep -qi "^$l\.utf-\?8$" || missing_locales+=("$l")
done
if [ ${#missing_locales[@]} -gt 0 ]; then
  echo "setup: generating ${missing_locales[*]/%/.UTF-8}"
  for l in "${missing_locales[@]}"; do
    "${sudo_cmd[@]}" sed -i "s/^# *$l.UTF-8 UTF-8/$l.UTF-8 UTF-8/" /etc/locale.gen
  done
  "${sudo_cmd[@]}" locale-gen >/dev/null
fi
