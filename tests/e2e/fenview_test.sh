#!/usr/bin/env bash
# Drives fenview.exe under Wine and Xvfb with a real keyboard (xdotool): it shows a form
# file, text is typed into the form, and the file is saved again, good and bad; then F5
# makes the form afresh. Judged from what fenview prints: its forms' status bars and the
# items' values after each change. Every wait polls for a line and is bounded.
set -euo pipefail
bin=${FENWIX_BIN:?FENWIX_BIN must name the folder holding fenview.exe and fenmsg.fdb}
cd "$bin"

file=fenview_test.forms
log=$(mktemp)
pid=""
cleanup() {
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then kill "$pid" 2>/dev/null || true; fi
  rm -f "$log" "$file"
}
trap cleanup EXIT

fail() {
  echo "fenview test: $*" >&2
  echo "--- what fenview printed:" >&2
  tr -d '\r' <"$log" >&2
  exit 1
}

source "$(dirname "${BASH_SOURCE[0]}")/program_lines.sh"

save() {  # NAME_X OK_CAPTION [EXTRA_LINE]
  printf '%s\n' "form v 0 0 320 200 name=Viewed" \
    "item name EDIT $1 10 150 22 remark=Name" \
    "item ok BUTTON 10 50 80 24 value=$2;button=OK" ${3:+"$3"} >"$file"
}

wine reg add 'HKCU\Software\Wine\AppDefaults\fenview.exe\X11 Driver' /v Decorated /t REG_SZ \
  /d N /f >/dev/null 2>&1
save 10 OK
wine fenview.exe "$file" </dev/null >"$log" 2>/dev/null &
pid=$!
wait_for '^status v ' 120
window=$(xdotool search --name '^Viewed$' | head -n 1)
[ -n "$window" ] || fail "expected a window titled 'Viewed'"
xdotool windowfocus --sync "$window"

echo "== typed text stays through a save that moves one item and renames another"
xdotool type --delay 20 'hello'
mark
save 40 Go
wait_for '^status v 2 éléments modifiés$'
wait_for '^value v name hello$'
wait_for '^value v ok Go$'

echo "== a bad line changes nothing and the status bar names its line"
mark
save 80 Stop 'itme x EDIT 0 0 1 1'
wait_for "^status v $file:4: ITME "
wait_for '^value v ok Go$'
wait_for '^report 1061$'

echo "== F5 makes the form afresh from the last good file"
mark
save 40 Go
sleep 0.5
xdotool key F5
wait_for '^reset v$'
wait_for '^value v name $'
if since_mark | grep -q '^report'; then fail "expected no report from the reset"; fi
echo "fenview test: passed"
