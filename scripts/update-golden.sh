#!/usr/bin/env bash
# Rewrites the golden PNGs of the screen tests from the current program. Look at every
# changed image (git diff --stat tests/golden, then open them) before committing.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default >/dev/null
cmake --build --preset default -j"$(nproc)" --target kolvard_tests
KOLVARD_UPDATE_GOLDEN=1 ./build/default/tests/kolvard_tests --gtest_filter="${1:-*Golden*}"
git status --short tests/golden
