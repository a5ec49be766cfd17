#!/usr/bin/env bash
# Fails when a tracked C++ file differs from what clang-format makes of it, so the style stays
# kept rather than only written down.
set -euo pipefail
cd "$(dirname "$0")/.."

git ls-files '*.cpp' '*.h' | xargs clang-format-16 --dry-run --Werror
