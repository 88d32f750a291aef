#!/usr/bin/env bash
# Builds everything with warnings as errors and runs the whole test suite twice: once in an
# optimised build and once under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-packages.sh
jobs="$(nproc)"
for preset in ci ci-sanitize; do
  echo "== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j"$jobs"
  ctest --preset "$preset" -j"$jobs"
done
