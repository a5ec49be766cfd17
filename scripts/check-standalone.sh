#!/usr/bin/env bash
# Guards that a clone stands alone: clones this checkout's committed state into an empty temporary
# folder, with nothing beside it, and configures every preset there. A build, script or test that
# reads a path outside its checkout then fails here, in seconds, rather than on a user's machine.
set -euo pipefail
cd "$(dirname "$0")/.."

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
git clone --quiet --no-hardlinks "$(pwd)" "$scratch/clone"

presets=$(cmake --list-presets=configure | sed -n 's/^ *"\([^"]*\)".*/\1/p')
for preset in $presets; do
  if ! log=$(cd "$scratch/clone" && cmake --preset "$preset" 2>&1); then
    printf '%s\n' "$log" | tail -n 20 >&2
    echo "standalone: a fresh clone cannot configure preset '$preset' (see above)" >&2
    exit 1
  fi
done
echo "standalone: a fresh clone configures every preset ($(echo $presets))"
