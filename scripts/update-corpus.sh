#!/usr/bin/env bash
# Records the behaviour corpus anew from the program of this worktree: every script of
# tests/corpus/scripts.txt and the random ones is run, its recording in tests/corpus/expected/
# rewritten, and the recordings of scripts that are gone are removed.
#
#   scripts/update-corpus.sh [BUILD_DIR]      the build to run, build/ci when not given
#
# A recording that changes means the program's behaviour changed. Do not commit the new ones
# blindly: the list at the end names each recording that changed, was added or removed; run the
# corpus test before recording anew to see the first differing step of each (it leaves
# NAME-ACTUAL.txt with that step's screenshot and dump in BUILD_DIR/test-data/corpus/).
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/ci}"
if [ ! -f "$build/CMakeCache.txt" ]; then
  if [ "$build" = build/ci ]; then
    cmake --preset ci >/dev/null
  else
    echo "update-corpus.sh: $build is not a configured build directory" >&2
    exit 2
  fi
fi
cmake --build "$build" --target kolvard_tests
status=0
KOLVARD_UPDATE_CORPUS=1 ctest --test-dir "$build" -R 'BehaviourCorpus' -j"$(nproc)" \
  --output-on-failure || status=$?
changes="$(git status --short --untracked-files=all tests/corpus/expected)"
if [ -z "$changes" ]; then
  echo "update-corpus.sh: no recording changed"
else
  echo "update-corpus.sh: these recordings changed (M), are new (??) or were removed (D):"
  echo "$changes"
fi
if [ "$status" != 0 ]; then
  echo "update-corpus.sh: some scripts failed (above); their recordings are not to be trusted" >&2
fi
exit "$status"
