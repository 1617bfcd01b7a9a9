#!/usr/bin/env bash
# The real numlet.exe under Wine: it shows a top-level window titled "Numlet v1.0", and
# closing that window with Alt+F4 ends the program with exit code 0.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/lib/wine-env.sh"
bin=${FENWIX_BIN:?FENWIX_BIN must name the folder that holds numlet.exe and fenmsg.fdb}

pid=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  stop_started
}
trap cleanup EXIT
# Uses the display and Wine server of the test run; starts a display only when there is none.
start_display

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Runs a command until it succeeds, for at most $1 seconds.
wait_for() {
  local end=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -lt "$end" ] || return 1
    sleep 0.1
  done
}

window=""
find_window() {
  # Wine gives only top-level windows an X window of their own.
  window=$(xdotool search --name '^Numlet v1\.0$' 2>/dev/null | head -n 1)
  [ -n "$window" ]
}
ended() { ! kill -0 "$pid" 2>/dev/null; }

cd "$bin"
wine numlet.exe </dev/null &
pid=$!
wait_for 60 find_window || fail "no window titled \"Numlet v1.0\" within 60 s"
echo "window $window: \"$(xdotool getwindowname "$window")\""
ended && fail "numlet.exe ended on its own"

# Wine may ignore a key when the pointer has not moved since the window appeared: bring the
# pointer in from outside first, and press again if the first press was lost.
close_window() {
  xdotool mousemove 1000 700 mousemove --window "$window" 120 8
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  xdotool key --clearmodifiers alt+F4
}
close_window
wait_for 10 ended || { close_window; wait_for 50 ended; } || fail "numlet.exe still runs 60 s after Alt+F4"
status=0
wait "$pid" || status=$?
pid=""
[ "$status" -eq 0 ] || fail "expected exit code 0, got $status"
echo "PASS: shown, closed, exit code 0"
