#!/usr/bin/env bash
# Checks that the releases are reproducible: clones the committed state twice, into fresh
# temporary folders of different names, builds the package target of the windows and the
# linux-release preset in each, one clone after the other (so with another clock, umask and time
# zone), and compares every release file byte for byte: the two programs and each package CPack
# reports. Prints the SHA-256 of each and the verdict; exits 1 on any difference, keeping both
# clones for a closer look. JOBS sets the build's parallel jobs (default: every core).
set -euo pipefail
cd "$(dirname "$0")/.."

commit=$(git rev-parse HEAD)
if ! git diff --quiet HEAD; then
  echo "reproducible: uncommitted changes are not checked, only commit ${commit:0:12}" >&2
fi

# Each build compiles for real: a compiler cache would hand the second clone the first clone's
# objects and hide a path or time that differs. The time comes from the commit, as for a user.
export CCACHE_DISABLE=1
unset CMAKE_C_COMPILER_LAUNCHER CMAKE_CXX_COMPILER_LAUNCHER SOURCE_DATE_EPOCH
jobs=${JOBS:-$(nproc)}

scratch=$(mktemp -d)
keep=0
trap '[ "$keep" -eq 1 ] || rm -rf "$scratch"' EXIT
started=$SECONDS

# build CLONE UMASK TZ: clones the commit into CLONE and builds both packages there; writes the
# release files, relative to the clone, to CLONE.files.
build() {
  local clone=$1 log=$1.log
  git clone --quiet --no-hardlinks "$(pwd)" "$clone"
  git -C "$clone" checkout --quiet --detach "$commit"
  local begun=$SECONDS
  if ! (
    cd "$clone"
    umask "$2"
    export TZ=$3
    # The tests are not packed; leaving them out changes nothing in the release.
    cmake --preset windows -DVELMORA_TESTS=OFF
    cmake --build --preset windows -j "$jobs" --target package
    cmake --preset linux-release
    cmake --build --preset linux-release -j "$jobs" --target package
  ) >"$log" 2>&1; then
    tail -n 30 "$log" >&2
    echo "reproducible: building in $clone failed (see above)" >&2
    exit 1
  fi
  {
    echo build/windows/Velmora.scr
    echo build/windows/Velmora.dll
    sed -n 's#^\(CPack: \|-- \)- package: \(.*\) generated\.$#\2#p' "$log" | sed "s|^$clone/||" | sort
  } >"$clone.files"
  echo "reproducible: built $clone in $((SECONDS - begun)) s"
}

build "$scratch/first" 022 UTC
build "$scratch/second-clone" 002 Asia/Tokyo

if ! cmp -s "$scratch/first.files" "$scratch/second-clone.files"; then
  diff "$scratch/first.files" "$scratch/second-clone.files" >&2 || true
  echo "reproducible: the two builds made different release files" >&2
  keep=1
  exit 1
fi

differ=0
while read -r file; do
  first=$(sha256sum <"$scratch/first/$file" | cut -d' ' -f1)
  second=$(sha256sum <"$scratch/second-clone/$file" | cut -d' ' -f1)
  if [ "$first" = "$second" ]; then
    echo "same    $first  $(basename "$file")"
  else
    echo "DIFFERS $first  $(basename "$file")"
    echo "        $second  (second clone)"
    differ=1
  fi
done <"$scratch/first.files"

echo "reproducible: commit ${commit:0:12}, SOURCE_DATE_EPOCH $(git log -1 --format=%ct "$commit"), $((SECONDS - started)) s"
if [ "$differ" -ne 0 ]; then
  keep=1
  echo "reproducible: FAILED, the release files differ; both builds are kept in $scratch" >&2
  exit 1
fi
echo "reproducible: PASSED, every release file is byte-identical"
