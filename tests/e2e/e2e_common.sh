# Shared by the window tests: tools, a private X server, windows, screenshots and cleanup.
# Sourced by bash scripts that set WORK (a scratch directory) before calling start_xvfb.

SKIP_CODE=77

skip() {
  echo "SKIP: $*"
  exit "$SKIP_CODE"
}

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# The X server and the screenshot tools; without them the test cannot run at all.
find_tools() {
  command -v Xvfb >/dev/null 2>&1 || skip "Xvfb is not installed"
  command -v xdotool >/dev/null 2>&1 || skip "xdotool is not installed"
  IMPORT=/usr/bin/import
  COMPARE=/usr/bin/compare
  [ -x "$IMPORT" ] || IMPORT=$(command -v import || true)
  [ -x "$COMPARE" ] || COMPARE=$(command -v compare || true)
  if [ -z "$IMPORT" ] || [ ! -x "$IMPORT" ]; then skip "ImageMagick import is not installed"; fi
  if [ -z "$COMPARE" ] || [ ! -x "$COMPARE" ]; then skip "ImageMagick compare is not installed"; fi
}

XVFB_PID=""
PROGRAM_PID=""
EXIT_STATUS=""  # the program's exit status, set by wait_for_exit
export EXIT_STATUS

stop_all() {
  if [ -n "$PROGRAM_PID" ] && kill -0 "$PROGRAM_PID" 2>/dev/null; then
    kill "$PROGRAM_PID" 2>/dev/null
    sleep 0.2
    kill -9 "$PROGRAM_PID" 2>/dev/null
  fi
  if [ -n "$XVFB_PID" ] && kill -0 "$XVFB_PID" 2>/dev/null; then
    kill "$XVFB_PID" 2>/dev/null
    sleep 0.2
    kill -9 "$XVFB_PID" 2>/dev/null
  fi
  [ -n "$WORK" ] && rm -rf "$WORK"
}

# Starts Xvfb on a display it picks itself (one nobody else uses) and exports DISPLAY.
start_xvfb() {
  : >"$WORK/display"
  Xvfb -displayfd 3 -screen 0 1400x1100x24 -nolisten tcp -noreset \
    3>"$WORK/display" >"$WORK/xvfb.log" 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 100); do
    if [ -s "$WORK/display" ]; then
      DISPLAY=":$(tr -d '[:space:]' <"$WORK/display")"
      export DISPLAY
      unset WAYLAND_DISPLAY
      export SDL_VIDEODRIVER=x11
      echo "Xvfb runs on display $DISPLAY"
      return 0
    fi
    kill -0 "$XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  cat "$WORK/xvfb.log" >&2
  fail "Xvfb did not start"
}

# Prints "WIDTHxHEIGHT+X+Y" of a window.
window_geometry() {
  (
    eval "$(xdotool getwindowgeometry --shell "$1" 2>/dev/null)"
    echo "${WIDTH}x${HEIGHT}+${X}+${Y}"
  )
}

# Waits (up to SECONDS) for exactly one visible window with this name and this geometry and
# prints its id.
wait_for_window() {
  local name=$1 geometry=$2 seconds=$3 ids id count last=""
  local deadline=$((SECONDS + seconds))
  while [ "$SECONDS" -le "$deadline" ]; do
    if [ -n "$PROGRAM_PID" ] && ! kill -0 "$PROGRAM_PID" 2>/dev/null; then
      echo "the program ended while a window was awaited" >&2
      return 1
    fi
    ids=$(xdotool search --onlyvisible --name "^${name}\$" 2>/dev/null)
    count=$(echo "$ids" | grep -c . || true)
    if [ "$count" -eq 1 ]; then
      id=$ids
      last=$(window_geometry "$id")
      if [ "$last" = "$geometry" ]; then
        echo "$id"
        return 0
      fi
    elif [ "$count" -gt 1 ]; then
      last="$count windows named '$name'"
    fi
    sleep 0.2
  done
  echo "no single window '$name' of $geometry appeared (last seen: ${last:-none})" >&2
  return 1
}

# Gives a window the keyboard, as a window manager does for a new window.
focus_window() {
  timeout 10 xdotool windowfocus --sync "$1" || fail "cannot focus window $1"
}

# Counts the pixels that differ between two pictures; prints the count, or "error: ..." when
# they cannot be compared (different sizes, unreadable files).
pixel_difference() {
  local out
  out=$("$COMPARE" -metric AE "$1" "$2" "${3:-null:}" 2>&1)
  case "$out" in
    [0-9]*) echo "${out%% *}" ;;
    *) echo "error: $out" ;;
  esac
}

# Screenshots the window's client area into OUT until it equals EXPECTED pixel for pixel, for
# up to SECONDS (a window may still be drawing). Returns 1 when it never does, leaving the
# last screenshot in OUT and the differing pixels marked in DIFF.
capture_until_equal() {
  local id=$1 expected=$2 out=$3 diff=$4 seconds=$5 result=""
  local deadline=$((SECONDS + seconds))
  while [ "$SECONDS" -le "$deadline" ]; do
    if "$IMPORT" -silent -window "$id" "png:$out" 2>"$WORK/import.log"; then
      result=$(pixel_difference "$expected" "$out")
      if [ "$result" = "0" ]; then
        return 0
      fi
    else
      result="import failed: $(cat "$WORK/import.log")"
    fi
    sleep 0.3
  done
  echo "the window never matched $expected: $result differing pixels" >&2
  if [ -s "$out" ]; then
    "$COMPARE" -metric AE "$expected" "$out" "png:$diff" >/dev/null 2>&1
    if command -v identify >/dev/null 2>&1; then
      echo "expected: $(identify -format '%wx%h %[type]' "$expected" 2>&1)" >&2
      echo "window:   $(identify -format '%wx%h %[type]' "$out" 2>&1)" >&2
    fi
  fi
  return 1
}

# Waits up to SECONDS for the program to end and sets EXIT_STATUS.
wait_for_exit() {
  local seconds=$1 deadline=$((SECONDS + $1))
  while kill -0 "$PROGRAM_PID" 2>/dev/null; do
    [ "$SECONDS" -le "$deadline" ] || return 1
    sleep 0.1
  done
  wait "$PROGRAM_PID"
  EXIT_STATUS=$?
  PROGRAM_PID=""
  return 0
}
