#!/usr/bin/env bash
# Nothing falls between the test tiers: over the tests of this build, the quick tier's
# selection (as scripts/test.sh makes it) holds no test labelled slow, and the quick tier and
# the slow tests together are every test, which the full tier runs.
set -euo pipefail
source_dir="$1"
build_dir="$2"
names() { sed -n 's/^ *Test *#[0-9]*: //p' | sort; }
cd "$build_dir"
# shellcheck disable=SC2046
quick="$(ctest -N $("$source_dir/scripts/test.sh" --selection) | names)"
full_selection="$("$source_dir/scripts/test.sh" --selection --full)"
# shellcheck disable=SC2086
full="$(ctest -N $full_selection | names)"
slow="$(ctest -N -L slow | names)"
all="$(ctest -N | names)"
status=0
if [ -n "$(comm -12 <(echo "$quick") <(echo "$slow"))" ]; then
  echo "slow tests in the quick tier:"; comm -12 <(echo "$quick") <(echo "$slow"); status=1
fi
if [ "$(sort -u <(echo "$quick") <(echo "$slow"))" != "$all" ]; then
  echo "tests in neither the quick tier nor the slow ones:"
  comm -13 <(sort -u <(echo "$quick") <(echo "$slow")) <(echo "$all"); status=1
fi
if [ "$full" != "$all" ]; then
  echo "tests the full tier leaves out:"; comm -13 <(echo "$full") <(echo "$all"); status=1
fi
[ -n "$slow" ] || { echo "no test is labelled slow"; status=1; }
exit $status
