#!/usr/bin/env bash
# The tests in two tiers, each one command:
#
#   scripts/test.sh          the quick tier: the default (debug) build and every test that is
#                            not labelled slow
#   scripts/test.sh --full   everything CI runs: the format check; the ci build (optimised) and
#                            the ci-sanitize build (clang, AddressSanitizer and
#                            UndefinedBehaviorSanitizer) with every test, the Windows checks
#                            under Wine among them; the fuzz targets for FUZZ_SECONDS each
#   scripts/test.sh --list [--full]
#                            names the tests the tier runs (of a build made before), one a line
#   scripts/test.sh --selection [--full]
#                            the ctest options that choose the tier's tests
#
# One family of tests alone: ctest --preset ci -L golden (labels slow, golden, wine, fuzz).
set -euo pipefail
cd "$(dirname "$0")/.."

tier=quick
list=0
selection=0
for arg in "$@"; do
  case "$arg" in
    --full) tier=full ;;
    --list) list=1 ;;
    --selection) selection=1 ;;
    -h | --help)
      sed -n '2,15p' "$0" | sed 's/^# \{0,1\}//'
      exit 0
      ;;
    *)
      echo "test.sh: unknown option $arg; try 'scripts/test.sh --help'" >&2
      exit 2
      ;;
  esac
done

# What ctest runs of a tier's builds: the presets, and the label the quick tier leaves out.
presets() { if [ "$tier" = quick ]; then echo default; else echo ci ci-sanitize; fi; }
ctest_selection() { if [ "$tier" = quick ]; then echo "-LE slow"; fi; }

if [ "$selection" = 1 ]; then
  ctest_selection
  exit 0
fi
if [ "$list" = 1 ]; then
  for preset in $(presets); do
    # shellcheck disable=SC2046
    ctest --preset "$preset" -N $(ctest_selection) | sed -n 's/^ *Test *#[0-9]*: //p'
  done
  exit 0
fi

./scripts/install-packages.sh
jobs="$(nproc)"
if [ "$tier" = full ]; then
  ./scripts/check-format.sh
fi
for preset in $(presets); do
  echo "== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j"$jobs"
  # shellcheck disable=SC2046
  ctest --preset "$preset" -j"$jobs" $(ctest_selection)
done
if [ "$tier" = full ]; then
  ./scripts/fuzz.sh
fi
