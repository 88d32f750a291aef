#!/usr/bin/env bash
# Builds the fuzz targets in the sanitizer build (the ci-sanitize preset: clang, libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer) and runs each for a bounded time over a scratch copy of its
# corpus in fuzz/corpus/, with the dictionary fuzz/kolvard.dict. Fails on any finding; the
# input that found it is copied to build/ci-sanitize/fuzz/findings/<target>/ and named in the output.
#
#   scripts/fuzz.sh                   every target, FUZZ_SECONDS (default 20) each
#   scripts/fuzz.sh glyph picture     only these targets
#
# A finding becomes a regression input by copying it to fuzz/corpus/<target>/ as
# regression-<what it found>; the replay tests of the normal builds then check it.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-20}"

./scripts/install-packages.sh
cmake --preset ci-sanitize >/dev/null
cmake --build --preset ci-sanitize --target kolvard_fuzz_targets -j"$(nproc)"

bin=build/ci-sanitize/fuzz
work=build/ci-sanitize/fuzz/runs
findings=build/ci-sanitize/fuzz/findings
rm -rf "$work" "$findings"
mkdir -p "$work" "$findings"

if [ $# -gt 0 ]; then
  targets=("$@")
else
  targets=()
  for source in fuzz/*_fuzz.cpp; do
    name="$(basename "$source" .cpp)"
    targets+=("${name%_fuzz}")
  done
fi

failed=()
passed=0
for target in "${targets[@]}"; do
  echo "== fuzz $target (${seconds}s)"
  corpus="$work/$target/corpus"
  mkdir -p "$corpus" "$findings/$target"
  # libFuzzer adds what it finds to the first corpus directory: a scratch copy, never the repo.
  cp fuzz/corpus/"$target"/* "$corpus"/
  if "$bin/${target}_fuzz" "$corpus" -dict=fuzz/kolvard.dict -max_total_time="$seconds" \
      -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$findings/$target/" >"$work/$target/log" 2>&1; then
    passed=$((passed + 1))
    grep -E "^stat::number_of_executed_units" "$work/$target/log" || true
  else
    failed+=("$target")
    tail -n 40 "$work/$target/log"
    ls "$findings/$target"/* 2>/dev/null || true
  fi
done

echo "fuzz: ${passed} passed, ${#failed[@]} failed"
if [ ${#failed[@]} -gt 0 ]; then
  echo "findings in: ${failed[*]} (inputs under $findings/)"
  exit 1
fi
