#!/usr/bin/env bash
# Fails when a C++ file of src, tools, tests, bench or fuzz is not formatted as .clang-format says;
# `clang-format -i FILE` formats it.
set -euo pipefail
cd "$(dirname "$0")/.."
echo "== format"
find src tools tests bench fuzz \( -name '*.cpp' -o -name '*.hpp' \) -print0 |
  xargs -0 clang-format --dry-run -Werror
