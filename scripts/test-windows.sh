#!/usr/bin/env bash
# Cross-builds kolvard.exe (the windows-release preset, mingw-w64) and runs it under Wine
# beside the Linux build (build/ci, or LINUX_BUILD=...): --version, the start-up without a
# data file, exports that must be byte-identical to the Linux build's, a headless state
# dump, and the message of a build without PNG screenshots. Prints "skipped: ..." and ends
# with status 0 when the cross compiler or Wine is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
linux_build="${LINUX_BUILD:-build/ci}"
exe="$root/build/windows-release/kolvard.exe"

if ! command -v x86_64-w64-mingw32-g++-posix >/dev/null; then
  echo "skipped: no mingw-w64 cross compiler (apt-get install g++-mingw-w64-x86-64-posix)"
  exit 0
fi
echo "== building kolvard.exe (windows-release)"
cmake --preset windows-release >/dev/null
cmake --build --preset windows-release -j2
echo "kolvard.exe: $(stat -c %s "$exe") bytes"

if ! command -v wine >/dev/null; then
  echo "skipped: Wine is not installed (apt-get install wine64): kolvard.exe was built, not run"
  exit 0
fi
if [[ ! -x "$linux_build/kolvard" || ! -f "$linux_build/KOL703.dat" ]]; then
  echo "== building the Linux program and the data file ($linux_build)"
  cmake --build "$linux_build" -j2 --target kolvard sample_data
fi
linux="$root/$linux_build/kolvard"
data="$root/$linux_build/KOL703.dat"

export WINEPREFIX="${WINEPREFIX:-$root/build/windows-release/wine}"
export WINEDEBUG=-all
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/empty" "$work/win" "$work/linux"
cp "$data" "$work/win/"
cp "$data" "$work/linux/"

# The console output of the Windows program ends its lines with CR LF.
win() { wine "$exe" "$@" </dev/null 2>&1 | tr -d '\r'; return "${PIPESTATUS[0]}"; }

failures=0
ok() { echo "ok: $1"; }
fail() {
  echo "FAIL: $1"
  failures=$((failures + 1))
}

# Wine makes its prefix on the first run; that run's messages are not the program's.
wine "$exe" --version >/dev/null 2>&1 || true

if [[ "$(win --version)" == "$("$linux" --version)" ]]; then
  ok "--version: $(win --version)"
else
  fail "--version: '$(win --version)' against '$("$linux" --version)'"
fi

status=0
output="$(cd "$work/empty" && win)" || status=$?
if [[ $status -eq 1 && "$output" == *"Error 1: Data-file KOL703.dat not found"* ]]; then
  ok "without a data file: Error 1 and status 1"
else
  fail "without a data file: status $status, output: $output"
fi

# Each export once in each build, then every file compared byte for byte.
exports=("sheet P 4s 1 A" "series V 1ø 1")
for command in "${exports[@]}"; do
  read -ra words <<<"$command"
  (cd "$work/linux" && "$linux" export "${words[@]}" >/dev/null)
  status=0
  output="$(cd "$work/win" && win export "${words[@]}")" || status=$?
  [[ $status -eq 0 ]] || fail "export $command: status $status: $output"
done
mapfile -t pages < <(cd "$work/linux" && ls -- *.BMP)
for page in "${pages[@]}"; do
  if cmp -s "$work/linux/$page" "$work/win/$page"; then
    ok "export: $page byte-identical"
  else
    fail "export: $page differs from the Linux build's (or is missing)"
  fi
done
[[ ${#pages[@]} -gt 0 ]] || fail "export: the Linux build wrote no pages"

keys='state:a.json F2 state:b.json Esc Down state:c.json'
(cd "$work/linux" && "$linux" --headless --keys "$keys" >/dev/null)
(cd "$work/win" && win --headless --keys "$keys" >/dev/null) || fail "headless: status $?"
for dump in a.json b.json c.json; do
  if cmp -s "$work/linux/$dump" "$work/win/$dump"; then
    ok "headless: state dump $dump the same"
  else
    fail "headless: state dump $dump differs"
  fi
done

status=0
output="$(cd "$work/win" && win --headless --keys 'shot:s.png')" || status=$?
if [[ $status -eq 3 && "$output" == *"cannot write PNG screenshots"* && ! -e "$work/win/s.png" ]]; then
  ok "headless: shot: says that this build writes no PNG files"
else
  fail "headless: shot: status $status, output: $output"
fi

if [[ $failures -ne 0 ]]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "all Windows checks passed"
