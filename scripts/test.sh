#!/usr/bin/env bash
# Runs every test: installs what is missing, checks that a fresh clone configures on its own and
# the formatting, builds both presets, runs the native unit tests (sanitizers, bounded fuzzing),
# the Debian package (installed and removed again, so as root) and then the Windows tests under
# Wine on virtual screens.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup-packages.sh
scripts/check-standalone.sh
scripts/check-format.sh

cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native -j "$(nproc)"

cmake --preset linux-release >/dev/null
cmake --build --preset linux-release --target velmora velmora-xscreensaver
tests/packaging/debian_package_test.sh build/linux-release \
  "$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/linux-release/CMakeCache.txt)"

cmake --preset windows >/dev/null
cmake --build --preset windows
scripts/wine-session.sh build/windows/wine-env -- ctest --preset windows
