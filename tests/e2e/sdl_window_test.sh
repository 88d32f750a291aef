#!/bin/bash
# The program in its real window under a private X server, against the headless backend:
# the same keys must give the same picture pixel for pixel, and Esc must end the program
# with status 0 after it saved the settings.
#
# With CLOSE-HELPER the program is started once more on the settings it saved: its window must
# open at the saved zoom, equal the headless program started on the same settings, and the
# program must end when the window is closed.
#
# Usage: sdl_window_test.sh KOLVARD KOL703.dat OUTPUT-DIR [CLOSE-HELPER]
# OUTPUT-DIR keeps window.png (the window), head.png (headless) and, on a mismatch, diff.png.
set -u

KOLVARD=$1
DATA=$2
OUTPUT=$3
CLOSER=${4:-}
HERE=$(cd "$(dirname "$0")" && pwd) || exit 1
# shellcheck source=e2e_common.sh
. "$HERE/e2e_common.sh" || {
  echo "FAIL: cannot read $HERE/e2e_common.sh" >&2
  exit 1
}

find_tools
[ -x "$KOLVARD" ] || fail "no program at $KOLVARD"
[ -f "$DATA" ] || fail "no data file at $DATA"
mkdir -p "$OUTPUT" || fail "cannot create $OUTPUT"
rm -f "$OUTPUT"/*.png
WORK=$(mktemp -d "${TMPDIR:-/tmp}/kolvard-sdl-window.XXXXXX") || fail "no scratch directory"
trap stop_all EXIT
trap 'exit 1' INT TERM HUP

CAPTION='Kolvard 7\.03'
mkdir "$WORK/window" "$WORK/headless"
cp "$DATA" "$WORK/window/KOL703.dat"
cp "$DATA" "$WORK/headless/KOL703.dat"

# The reference picture: zoom 2 ("1"), then one step of the value.
(cd "$WORK/headless" && timeout 60 "$KOLVARD" --headless --keys '1 Down shot:head.png' \
  </dev/null >"$WORK/headless.log" 2>&1)
HEADLESS_STATUS=$?
if [ ! -s "$WORK/headless/head.png" ]; then
  cat "$WORK/headless.log" >&2
  fail "the headless run (status $HEADLESS_STATUS) wrote no head.png"
fi
cp "$WORK/headless/head.png" "$OUTPUT/head.png"

start_xvfb
(cd "$WORK/window" && exec "$KOLVARD" </dev/null >"$WORK/window.log" 2>&1) &
PROGRAM_PID=$!

show_log() {
  echo "--- program output:" >&2
  cat "$WORK/window.log" >&2
}

# Without a settings file the program starts at zoom 3.
ID=$(wait_for_window "$CAPTION" "960x720+5+5" 30) || {
  show_log
  fail "no 960x720 window at (5, 5) after start"
}
focus_window "$ID"
xdotool key 1 || fail "xdotool could not send 1"

# Zoom 2: the window is made again at 640 x 480 (and the old one is gone).
ID=$(wait_for_window "$CAPTION" "640x480+5+5" 20) || {
  show_log
  fail "the window was not re-created at 640x480 after key 1"
}
focus_window "$ID"
xdotool key Down || fail "xdotool could not send Down"

if ! capture_until_equal "$ID" "$OUTPUT/head.png" "$OUTPUT/window.png" "$OUTPUT/diff.png" 20; then
  echo "pictures kept in $OUTPUT (window.png, head.png, diff.png)" >&2
  show_log
  fail "the window differs from the headless picture after '1 Down'"
fi
echo "window and headless pictures are equal ($OUTPUT/window.png)"

xdotool key Escape || fail "xdotool could not send Escape"
wait_for_exit 20 || {
  show_log
  fail "the program did not end after Esc on the front page"
}
if [ "$EXIT_STATUS" -ne 0 ]; then
  show_log
  fail "the program ended with status $EXIT_STATUS after Esc"
fi

SETTINGS="$WORK/window/KOL703.CFG"
[ -f "$SETTINGS" ] || fail "the program wrote no KOL703.CFG"
# The first line holds the zoom, the second the letter of the edition in use.
read_line() { sed -n "${1}p" "$SETTINGS" | tr -d '\r' | sed 's/^ *//; s/ *$//; s/^"\(.*\)"$/\1/'; }
ZOOM=$(read_line 1)
EDITION=$(read_line 2)
if [ "$ZOOM" != "2" ] || [ "$EDITION" != "T" ]; then
  echo "--- KOL703.CFG:" >&2
  head -5 "$SETTINGS" >&2
  fail "settings hold zoom '$ZOOM' and edition '$EDITION', expected 2 and T"
fi
echo "Esc saved zoom 2 and edition T and ended the program with status 0"

if [ -n "$CLOSER" ]; then
  [ -x "$CLOSER" ] || fail "no close helper at $CLOSER"
  # The reference for the restart: the headless backend started on the same settings.
  mkdir "$WORK/restart"
  cp "$DATA" "$WORK/restart/KOL703.dat"
  cp "$SETTINGS" "$WORK/restart/KOL703.CFG"
  (cd "$WORK/restart" && timeout 60 "$KOLVARD" --headless --keys 'shot:restart_head.png' \
    </dev/null >"$WORK/restart.log" 2>&1)
  if [ ! -s "$WORK/restart/restart_head.png" ]; then
    cat "$WORK/restart.log" >&2
    fail "the headless restart wrote no restart_head.png"
  fi
  cp "$WORK/restart/restart_head.png" "$OUTPUT/restart_head.png"

  : >"$WORK/window.log"
  (cd "$WORK/window" && exec "$KOLVARD" </dev/null >"$WORK/window.log" 2>&1) &
  PROGRAM_PID=$!
  ID=$(wait_for_window "$CAPTION" "640x480+5+5" 30) || {
    show_log
    fail "started again, the program did not open its window at the saved zoom 2"
  }
  if ! capture_until_equal "$ID" "$OUTPUT/restart_head.png" "$OUTPUT/restart.png" \
    "$OUTPUT/restart_diff.png" 20; then
    echo "pictures kept in $OUTPUT (restart.png, restart_head.png, restart_diff.png)" >&2
    show_log
    fail "started again, the window differs from the headless program on the same settings"
  fi
  echo "started again at the saved zoom, the window equals the headless picture"
  "$CLOSER" "$ID" || fail "could not ask the window to close"
  wait_for_exit 20 || {
    show_log
    fail "the program did not end when its window was closed"
  }
  echo "closing the window ended the program (status $EXIT_STATUS)"
fi
echo "PASS: the real window of the program"
