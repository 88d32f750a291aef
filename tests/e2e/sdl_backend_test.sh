#!/bin/bash
# The SDL window backend on its own, under a private X server: window re-creation, size and
# position, the shown picture pixel for pixel, every key mapping (each key exactly once),
# waiting keys for pollKey, a beep that does not block, and the window's close button.
#
# Usage: sdl_backend_test.sh PROBE CLOSE-HELPER OUTPUT-DIR
set -u

PROBE=$1
CLOSER=$2
OUTPUT=$3
HERE=$(cd "$(dirname "$0")" && pwd) || exit 1
# shellcheck source=e2e_common.sh
. "$HERE/e2e_common.sh" || {
  echo "FAIL: cannot read $HERE/e2e_common.sh" >&2
  exit 1
}

find_tools
[ -x "$PROBE" ] || fail "no probe program at $PROBE"
[ -x "$CLOSER" ] || fail "no close helper at $CLOSER"
mkdir -p "$OUTPUT" || fail "cannot create $OUTPUT"
WORK=$(mktemp -d "${TMPDIR:-/tmp}/kolvard-sdl-probe.XXXXXX") || fail "no scratch directory"
trap stop_all EXIT
trap 'exit 1' INT TERM HUP

start_xvfb

"$PROBE" "$OUTPUT/probe_expected.png" >"$WORK/keys.txt" 2>"$WORK/probe.log" </dev/null &
PROGRAM_PID=$!

wait_for_line() {
  local line=$1 deadline=$((SECONDS + $2))
  until grep -qx -- "$line" "$WORK/keys.txt"; do
    if [ "$SECONDS" -gt "$deadline" ] || ! kill -0 "$PROGRAM_PID" 2>/dev/null; then
      echo "--- probe output:" >&2
      cat "$WORK/keys.txt" "$WORK/probe.log" >&2
      fail "the probe never printed '$line'"
    fi
    sleep 0.1
  done
}

wait_for_line ready 30
# The first 320 x 240 window must be gone: exactly one window, the new size, at (5, 5).
ID=$(wait_for_window "Kolvard probe" "640x480+5+5" 20) || fail "window not re-created as 640x480 at (5, 5)"
capture_until_equal "$ID" "$OUTPUT/probe_expected.png" "$OUTPUT/probe_window.png" \
  "$OUTPUT/probe_diff.png" 15 || fail "the window does not show the presented picture 1:1"

focus_window "$ID"
KEYS=(F1 F2 F3 F4 F5 F6 F7 F8 F9 F10 F11 F12 shift+F4 shift+F5
  Up Down Left Right Prior Next Home End Insert Delete
  KP_Up KP_Down KP_Left KP_Right KP_Prior KP_Next KP_Home KP_End KP_Insert KP_Delete
  Return KP_Enter Escape Tab shift+Tab BackSpace space
  a Z 1 ae oslash aring shift+ae shift+oslash shift+aring eacute EuroSign udiaeresis p)
xdotool key --delay 40 "${KEYS[@]}" || fail "xdotool could not send the keys"
wait_for_line "key: p" 20
xdotool key x || fail "xdotool could not send x"
wait_for_line "polled: x" 20

"$CLOSER" "$ID" || fail "could not ask the window to close"
wait_for_exit 20 || fail "the probe did not end when its window was closed"

cat >"$WORK/expected.txt" <<'KEYS'
poll: empty
beep: ok
ready
key: F1
key: F2
key: F3
key: F4
key: F5
key: F6
key: F7
key: F8
key: F9
key: F10
key: F11
key: F12
key: Shift+F4
key: Shift+F5
key: Up
key: Down
key: Left
key: Right
key: PgUp
key: PgDn
key: Home
key: End
key: Ins
key: Del
key: Up
key: Down
key: Left
key: Right
key: PgUp
key: PgDn
key: Home
key: End
key: Ins
key: Del
key: Enter
key: Enter
key: Esc
key: Tab
key: Scan15
key: Backspace
key: Space
key: a
key: Z
key: 1
key: æ
key: ø
key: å
key: Æ
key: Ø
key: Å
key: é
key: ü
key: p
polled: x
closed
poll after close: closed
KEYS
cp "$WORK/keys.txt" "$OUTPUT/probe_keys.txt"
if ! diff -u "$WORK/expected.txt" "$WORK/keys.txt"; then
  echo "--- probe messages:" >&2
  cat "$WORK/probe.log" >&2
  fail "the keys received differ from the keys sent (see the diff above)"
fi
[ "$EXIT_STATUS" -eq 0 ] || fail "the probe ended with status $EXIT_STATUS"
echo "PASS: window, picture, keys, pollKey, beep and close button"
