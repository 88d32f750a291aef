#!/usr/bin/env bash
# Rewrites the golden references of the test suites named *Golden (screenshots as PNG, whole
# printed pages as the hash of their BMP) from the current program. Look at every changed
# image (git diff --stat tests/golden, then open them) before committing; a changed hash comes
# with the reduced view of its page. An argument narrows the run, e.g. 'FlawScreenGolden.*'.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default >/dev/null
cmake --build --preset default -j"$(nproc)" --target kolvard_tests
KOLVARD_UPDATE_GOLDEN=1 ./build/default/tests/kolvard_tests --gtest_filter="${1:-*Golden.*}"
git status --short tests/golden
