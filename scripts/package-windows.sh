#!/usr/bin/env bash
# Makes build/windows-release/kolvard-7.03-windows.zip: kolvard.exe (cross-built with the
# windows-release preset unless it is there already), KOL703.dat from the Linux build
# (build/ci, or LINUX_BUILD=...) and the read-me of packaging/windows/README.txt.
# With --rebuild the preset is built even when kolvard.exe exists.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
linux_build="${LINUX_BUILD:-build/ci}"
out="$root/build/windows-release"
exe="$out/kolvard.exe"

if [[ "${1:-}" == --rebuild || ! -f "$exe" ]]; then
  if ! command -v x86_64-w64-mingw32-g++-posix >/dev/null; then
    echo "package-windows: no mingw-w64 cross compiler to build kolvard.exe" \
      "(apt-get install g++-mingw-w64-x86-64-posix)" >&2
    exit 1
  fi
  cmake --preset windows-release >/dev/null
  cmake --build --preset windows-release -j2
fi
if [[ ! -f "$linux_build/KOL703.dat" ]]; then
  if [[ ! -f "$linux_build/CMakeCache.txt" ]]; then
    echo "package-windows: no KOL703.dat and no Linux build in $linux_build" \
      "(cmake --preset ci first, or LINUX_BUILD=...)" >&2
    exit 1
  fi
  echo "== building the data file ($linux_build)"
  cmake --build "$linux_build" -j2 --target sample_data
fi

version="$(sed -n 's/^project(kolvard VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
zip="$out/kolvard-$version-windows.zip"
staging="$(mktemp -d)"
trap 'rm -rf "$staging"' EXIT
cp "$exe" "$staging/kolvard.exe"
cp "$linux_build/KOL703.dat" "$staging/KOL703.dat"
cp packaging/windows/README.txt "$staging/README.txt"
rm -f "$zip"
(cd "$staging" && cmake -E tar cf "$zip" --format=zip kolvard.exe KOL703.dat README.txt)
echo "$zip: $(stat -c %s "$zip") bytes"
