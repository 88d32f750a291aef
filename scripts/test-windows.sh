#!/usr/bin/env bash
# Cross-builds kolvard.exe (the windows-release preset, mingw-w64) and runs it under Wine
# beside the Linux build (build/ci, or LINUX_BUILD=...): --version, the start-up without a
# data file, exports that must be byte-identical to the Linux build's, headless state dumps,
# the settings file, the message of a build without PNG screenshots, bad input (a damaged
# data file, output directories that cannot be written, a current directory with non-ASCII
# letters) answered as on Linux, and the real Win32 window under Xvfb against the headless
# picture. Prints "skipped: ..." and ends with status 0 when the cross compiler or Wine is
# missing or Wine cannot start; the window check alone is skipped without Xvfb or xdotool.
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

# Wine makes its prefix on the first run; that run's messages are not the program's. A Wine
# that cannot run its own cmd.exe cannot tell anything about kolvard.exe either.
if ! wine cmd /c exit 0 </dev/null >"$work/wine-start.log" 2>&1; then
  echo "skipped: Wine is installed but cannot start programs here (kolvard.exe was built, not run):"
  tail -5 "$work/wine-start.log"
  exit 0
fi

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

# A fresh directory for each build holding the data file (a hard link where possible).
fresh() {
  mkdir -p "$1"
  ln "$data" "$1/KOL703.dat" 2>/dev/null || cp "$data" "$1/KOL703.dat"
}
# Runs the same command in DIR/linux and DIR/win; sets linux_out, linux_status, linux_time
# (seconds), and the same for win.
both() {
  local dir=$1 started
  shift
  linux_status=0
  win_status=0
  started=$EPOCHREALTIME
  linux_out="$(cd "$dir/linux" && "$linux" "$@" </dev/null 2>&1)" || linux_status=$?
  linux_time=$(elapsed "$started")
  started=$EPOCHREALTIME
  win_out="$(cd "$dir/win" && win "$@")" || win_status=$?
  win_time=$(elapsed "$started")
}
elapsed() { awk -v now="$EPOCHREALTIME" -v then="$1" 'BEGIN { printf "%.1f", now - then }'; }
timing() { echo "time: $1: Linux ${linux_time} s, Wine ${win_time} s"; }
# Says ok when both builds ended with the same status and output.
same_answer() {
  if [[ $linux_status -eq $win_status && "$linux_out" == "$win_out" ]]; then
    ok "$1: status $win_status and '${win_out##*$'\n'}' as on Linux"
  else
    fail "$1: Windows status $win_status, output '$win_out'; Linux status $linux_status, output '$linux_out'"
  fi
}
# Says ok when every file in DIR/linux is byte-identical in DIR/win.
same_files() {
  local dir=$1 what=$2 name count=0
  for name in "$dir"/linux/*; do
    name="${name##*/}"
    [[ "$name" == KOL703.dat ]] && continue
    count=$((count + 1))
    if cmp -s "$dir/linux/$name" "$dir/win/$name"; then
      ok "$what: $name byte-identical"
    else
      fail "$what: $name differs from the Linux build's (or is missing)"
    fi
  done
  [[ $count -gt 0 ]] || fail "$what: the Linux build wrote no files"
}

# The settings file after a change of zoom and value, then Esc on the front page.
fresh "$work/settings/linux"
fresh "$work/settings/win"
both "$work/settings" --headless --keys '4 Down Down Esc'
[[ $linux_status -eq 0 && $win_status -eq 0 ]] ||
  fail "settings: status $win_status (Linux $linux_status): $win_out"
timing "start, four keys, end (headless)"
same_files "$work/settings" "settings"

# The slashed o of "1ø" is written as "o" in the file names.
if [[ -n "$(cd "$work/win" && ls -- *V1o*.BMP 2>/dev/null)" &&
  -z "$(cd "$work/win" && ls -- *ø* 2>/dev/null)" ]]; then
  ok "export: the series of 1ø is named $(cd "$work/win" && ls -- *V1o*.BMP | head -1)"
else
  fail "export: no *V1o*.BMP from the series of 1ø, or a file name with ø: $(ls "$work/win")"
fi

# A data file cut in half: Error 2 at start-up and from the export, as on Linux.
for build in linux win; do
  mkdir -p "$work/damaged/$build"
  head -c "$(($(stat -c %s "$data") / 2))" "$data" >"$work/damaged/$build/KOL703.dat"
done
both "$work/damaged" --headless --keys 'state:s.json'
[[ $win_status -ne 0 && "$win_out" == *"Error 2:"* ]] || fail "damaged data file: no Error 2"
same_answer "damaged data file, start-up"
both "$work/damaged" export sheet P 4s 1 A
same_answer "damaged data file, export"

# Output directories that cannot be written.
for build in linux win; do
  fresh "$work/unwritable/$build"
  : >"$work/unwritable/$build/taken"
done
both "$work/unwritable" export sheet P 4s 1 A missing
[[ $win_status -ne 0 ]] || fail "export into a missing directory: status 0"
same_answer "export into a missing directory"
both "$work/unwritable" export sheet P 4s 1 A taken
[[ $win_status -ne 0 ]] || fail "export into a name taken by a file: status 0"
same_answer "export into a name taken by a file"

# A current directory with non-ASCII letters in its name.
fresh "$work/Frimærker/linux"
fresh "$work/Frimærker/win"
both "$work/Frimærker" export sheet P 4s 1 A
[[ $linux_status -eq 0 && $win_status -eq 0 ]] ||
  fail "Frimærker: export status $win_status (Linux $linux_status): $win_out"
timing "export sheet P 4s 1 A"
both "$work/Frimærker" --headless --keys '2 Down state:s.json Esc'
[[ $linux_status -eq 0 && $win_status -eq 0 ]] ||
  fail "Frimærker: headless status $win_status (Linux $linux_status): $win_out"
same_files "$work/Frimærker" "Frimærker"

# An output directory with non-ASCII letters, named on the command line.
fresh "$work/Ærø/linux"
fresh "$work/Ærø/win"
mkdir -p "$work/Ærø/linux/ud/Ærø" "$work/Ærø/win/ud/Ærø"
both "$work/Ærø" export sheet P 4s 1 A "ud/Ærø"
[[ $linux_status -eq 0 && $win_status -eq 0 ]] ||
  fail "ud/Ærø: export status $win_status (Linux $linux_status): $win_out"
for build in linux win; do
  mv "$work/Ærø/$build/ud/Ærø/#P4s1A.BMP" "$work/Ærø/$build/" || true
  rm -rf "$work/Ærø/$build/ud"
done
same_files "$work/Ærø" "ud/Ærø"

# The Win32 window under a private X server: the same keys as the headless program must give
# the same picture pixel for pixel, and Esc must end the program with status 0 after it saved
# the settings. Runs in a subshell, which ends with 0 (passed), 77 (skipped) or 1.
window_check() {
  set +e
  WORK="$work/window"
  mkdir -p "$WORK"
  # shellcheck source=../tests/e2e/e2e_common.sh
  . "$root/tests/e2e/e2e_common.sh"
  find_tools
  trap stop_all EXIT
  fresh "$WORK/headless"
  fresh "$WORK/win"
  (cd "$WORK/headless" && "$linux" --headless --keys '1 Down shot:head.png' >/dev/null 2>&1)
  [[ -s "$WORK/headless/head.png" ]] || fail "the Linux headless run wrote no head.png"
  start_xvfb >/dev/null
  # The Wine session of the runs above has no display: end it, so that the window's run
  # starts one on the private X server.
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
  local started=$EPOCHREALTIME id
  (cd "$WORK/win" && exec wine "$exe" </dev/null >"$WORK/window.log" 2>&1) &
  PROGRAM_PID=$!
  # Wine puts the client area below its own frame: only the size is checked.
  id=$(wait_for_size 960x720 60) ||
    fail "no 960x720 window 'Kolvard 7.03' after start: $(tail -5 "$WORK/window.log")"
  echo "window 'Kolvard 7.03' found $(elapsed "$started") s after the start"
  focus_window "$id"
  xdotool key 1
  id=$(wait_for_size 640x480 20) || fail "the window was not made again at 640x480 after key 1"
  focus_window "$id"
  xdotool key Down
  capture_until_equal "$id" "$WORK/headless/head.png" "$WORK/window.png" "$WORK/diff.png" 20 ||
    fail "the window differs from the headless picture after '1 Down'"
  xdotool key Escape
  wait_for_exit 30 || fail "the program did not end after Esc on the front page"
  [[ $EXIT_STATUS -eq 0 ]] || fail "the program ended with status $EXIT_STATUS after Esc"
  [[ -s "$WORK/win/KOL703.CFG" ]] || fail "the program wrote no KOL703.CFG"
}
wait_for_size() {
  local size=$1 deadline=$((SECONDS + $2)) ids
  while [[ $SECONDS -le $deadline ]]; do
    kill -0 "$PROGRAM_PID" 2>/dev/null || return 1
    ids=$(xdotool search --onlyvisible --name '^Kolvard 7\.03$' 2>/dev/null || true)
    if [[ $(grep -c . <<<"$ids") -eq 1 && "$(window_geometry "$ids")" == "$size"+* ]]; then
      echo "$ids"
      return 0
    fi
    sleep 0.1
  done
  return 1
}

status=0
output="$(window_check 2>&1)" || status=$?
[[ -z "$output" ]] || sed 's/^/  /' <<<"$output"
case $status in
  0) ok "window: '1 Down' pixel-identical to the headless picture, Esc ends with status 0, KOL703.CFG written" ;;
  77) echo "skipped: the window check (${output##*SKIP: })" ;;
  *) fail "window: see above" ;;
esac

if [[ $failures -ne 0 ]]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "all Windows checks passed"
