#!/usr/bin/env bash
# Checks the formatting, then builds everything with warnings as errors and runs the whole
# test suite twice: once in an optimised build and once under AddressSanitizer and
# UndefinedBehaviorSanitizer; then cross-builds the Windows program and checks it under Wine
# against the optimised Linux build.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-packages.sh
./scripts/check-format.sh
jobs="$(nproc)"
for preset in ci ci-sanitize; do
  echo "== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j"$jobs"
  ctest --preset "$preset" -j"$jobs"
done
echo "== windows-release (under Wine)"
./scripts/test-windows.sh
