#!/usr/bin/env bash
# Builds Kolvard with the sample data and starts it in its window.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-packages.sh
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)" --target kolvard sample_data
cd build/release
exec ./kolvard "$@"
