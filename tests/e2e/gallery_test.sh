#!/usr/bin/env bash
# Drives gallery.exe under Wine and Xvfb with a real keyboard and mouse (xdotool) and
# judges it from what the gallery prints: one line per event, each text the library puts
# into a status bar, and the screen position of every control (which is where it clicks).
# Every wait polls for a line and is bounded.
set -euo pipefail
bin=${FENWIX_BIN:?FENWIX_BIN must name the folder holding gallery.exe and fenmsg.fdb}
cd "$bin"

log=$(mktemp)
pid=""
cleanup() {
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then kill "$pid" 2>/dev/null || true; fi
  rm -f "$log"
}
trap cleanup EXIT

fail() {
  echo "gallery test: $*" >&2
  echo "--- what the gallery printed:" >&2
  tr -d '\r' <"$log" >&2
  exit 1
}

source "$(dirname "${BASH_SOURCE[0]}")/program_lines.sh"

expect_last() {  # the last line since the mark that matches $1 must be exactly $2
  local got
  got=$(since_mark | grep -E -- "$1" | tail -n 1 || true)
  [ "$got" = "$2" ] || fail "expected the last /$1/ line to be [$2], got [$got]"
}

expect_none() {
  local got
  got=$(since_mark | grep -E -- "$1" || true)
  [ -z "$got" ] || fail "expected no line matching /$1/, got [$got]"
}

expect_no_error_box() {
  if xdotool search --name '^Fenwix Error$' >/dev/null 2>&1; then
    fail "expected no error message box, one is shown"
  fi
}

# The place of a control, from the gallery's layout line "layout FORM ITEM X Y W H", into
# the caller's x, y, w and h.
read_layout() {
  read -r x y w h < <(tr -d '\r' <"$log" | awk -v f="$1" -v i="$2" \
    '$1 == "layout" && $2 == f && $3 == i { print $4, $5, $6, $7 }' | tail -n 1)
  [ -n "${h:-}" ] || fail "expected a layout line for $1.$2"
}

# A click at a point of the screen.
click_at() {
  # A synchronous move to where the pointer already is waits for a motion that never comes.
  local X Y SCREEN WINDOW
  eval "$(xdotool getmouselocation --shell)"
  if [ "$X" -ne "$1" ] || [ "$Y" -ne "$2" ]; then xdotool mousemove --sync "$1" "$2"; fi
  xdotool click 1
}

# The centre of a control; with "right", a point near its right end instead.
click_item() {
  local form=$1 item=$2 at=${3:-centre} x y w h
  read_layout "$form" "$item"
  [ "$at" = right ] && x=$((x + w - 16)) && w=0
  click_at $((x + w / 2)) $((y + h / 2))
}

# The exits of one field since the mark, as the sequence of its named events.
field_events() {
  since_mark | awk -v i="$2" -v f="$1" \
    '$1 == "event" && $2 == f && $3 == i && ($4 == "ITEMCHG" || $4 == "ITEMEXIT") { print $4 }' |
    paste -sd' ' -
}

# Without a window manager Wine leaves a window's caption to nobody; asked not to rely on
# one, it draws the caption and its close box itself.
wine reg add 'HKCU\Software\Wine\AppDefaults\gallery.exe\X11 Driver' /v Decorated /t REG_SZ \
  /d N /f >/dev/null 2>&1

wine gallery.exe </dev/null >"$log" 2>/dev/null &
pid=$!
wait_for '^ready gallery$' 120
window=$(xdotool search --name '^Fenwix Gallery$' | head -n 1)
[ -n "$window" ] || fail "expected a window titled 'Fenwix Gallery'"
xdotool windowfocus --sync "$window"

name_remark='Your name, up to 20 characters (required)'

echo "== an impossible date gives the focus back and says so, over the field's remark"
click_item gallery date
mark
xdotool type --delay 20 '31/13/2005'
xdotool key Tab
wait_for '^event gallery date ITEMEXIT recorded=\[31/13/2005\]'
expect_last '^status gallery ' "status gallery [Saisie incorrecte]"
expect_last 'EN_SETFOCUS|CBN_SETFOCUS|BN_SETFOCUS' 'event gallery date BEFORE WM_COMMAND EN_SETFOCUS'
expect_no_error_box

echo "== a valid date is rewritten in the format"
mark
xdotool key End
xdotool key --repeat 12 BackSpace
xdotool type --delay 20 '5.3.2005'
xdotool key Tab
wait_for '^event gallery date ITEMEXIT recorded=\[5\.3\.2005\] shown=\[05/03/2005\]$'
[ "$(field_events gallery date)" = "ITEMCHG ITEMEXIT" ] ||
  fail "expected ITEMCHG then ITEMEXIT for the changed date, got [$(field_events gallery date)]"

echo "== an amount is rewritten with its two decimals"
mark
xdotool key Tab
wait_for '^event gallery amount BEFORE WM_COMMAND EN_SETFOCUS$'
xdotool type --delay 20 '12.5'
xdotool key Tab
wait_for '^event gallery amount ITEMEXIT recorded=\[12\.5\] shown=\[12\.50\]$'
wait_for '^event gallery city BEFORE WM_COMMAND CBN_SETFOCUS$'
[ "$(field_events gallery amount)" = "ITEMCHG ITEMEXIT" ] ||
  fail "expected ITEMCHG then ITEMEXIT for the amount, got [$(field_events gallery amount)]"

echo "== the required name left empty keeps the focus and says so at once"
mark
xdotool key Tab
wait_for '^event gallery name BEFORE WM_COMMAND EN_SETFOCUS$'
mark
xdotool key Tab
wait_for '^event gallery name ITEMEXIT recorded=\[\]'
[ "$(field_events gallery name)" = "ITEMEXIT" ] ||
  fail "expected ITEMEXIT alone for the unchanged name, got [$(field_events gallery name)]"
expect_last '^status gallery ' "status gallery [Saisie obligatoire]"
expect_last 'EN_SETFOCUS|CBN_SETFOCUS|BN_SETFOCUS' 'event gallery name BEFORE WM_COMMAND EN_SETFOCUS'
mark
xdotool key Tab
wait_for '^status gallery \[Saisie obligatoire\]$'
expect_no_error_box
mark
xdotool type --delay 20 'Ada'
xdotool key F1
wait_for '^status gallery \[F1 on name: Tab and Return move on, OK checks and closes\]$'
expect_last '^event gallery name ITEMKEY ' 'event gallery name ITEMKEY WM_KEYDOWN 0x70'
since_mark | grep -q '^event gallery name ITEMKEY WM_CHAR 0x41$' ||
  fail "expected ITEMKEY WM_CHAR 0x41 for the typed A of the name"
xdotool key Tab
wait_for '^event gallery name ITEMEXIT recorded=\[Ada\]'
[ "$(field_events gallery name)" = "ITEMCHG ITEMEXIT" ] ||
  fail "expected ITEMCHG then ITEMEXIT once the name is typed, got [$(field_events gallery name)]"

echo "== the modal form opens; the form behind it is still served as itself"
mark
click_item gallery details
wait_for '^event gallery details ITEMCLIC$'
wait_for '^ready details$'
wait_for '^status details \['
read -r cx cy < <(since_mark | awk '$1 == "layout" && $2 == "details" && $3 == "closebox" { print $4, $5 }')
[ -n "${cy:-}" ] || fail "expected the close box of the framed form in its layout lines"
mark
click_item details urgent
wait_for '^set gallery details BKCOL=\[red\] -> 0$'
wait_for '^paint gallery details$'
expect_none '^event details - '

echo "== the close box abandons an invalid date without checking or reporting it"
click_item details due
mark
xdotool type --delay 20 '31.13.05'
xdotool mousemove --sync "$cx" "$cy" click 1
wait_for '^closed details reason=\[CLOSE\] -> 0$'
wait_for '^set gallery reason VALUE=\[CLOSE\] -> 0$'
expect_none '^event details due ITEM(CHG|EXIT)'
expect_no_error_box

echo "== the keyboard is back in the form behind, on the button that opened the modal form"
mark
xdotool key shift+Tab
wait_for '^event gallery Sample BEFORE WM_COMMAND BN_SETFOCUS$'
xdotool key shift+Tab shift+Tab shift+Tab shift+Tab
wait_for '^event gallery name BEFORE WM_COMMAND EN_SETFOCUS$'
mark
xdotool type --delay 20 'Bo'
xdotool key Tab
wait_for '^event gallery name ITEMEXIT recorded=\[Bo\]'

echo "== OK checks the modal form: refused while its required date is empty, then accepted"
mark
click_item gallery details
wait_for '^ready details$'

echo "== a modal form above the modal form blocks it, then gives it the keyboard back"
mark
click_item details confirm
wait_for '^ready confirm$'
expect_last '^blocked confirm' 'blocked confirm opener=1 main=1'
# The comment field's right end lies beside the confirm form, which covers the rest.
click_item details comment right
click_item confirm no
wait_for '^closed confirm reason=\[CANCEL\] -> 0$'
expect_none '^event details comment BEFORE WM_COMMAND EN_SETFOCUS$'
mark
xdotool key shift+Tab
wait_for '^event details confirm ITEMKEY WM_KEYDOWN 0x9$'
wait_for '^status details \[The program closes the form with the reason LATER\]$'
mark
click_item details ok
wait_for '^status details \[Saisie obligatoire\]$'
expect_none '^closed details'
xdotool type --delay 20 '5.3.05'
# The details form has the keys of Windows: Return presses OK, with its check.
xdotool key Return
wait_for '^closed details reason=\[OK\] -> 0$'
wait_for '^set gallery reason VALUE=\[OK\] -> 0$'

echo "== the details form grows with its frame: its comment widens, its buttons stay at the foot"
mark
click_item gallery details
wait_for '^ready details$'
read -r comment_x _ comment_w _ < <(since_mark | awk '$1 == "layout" && $2 == "details" && $3 == "comment" { print $4, $5, $6, $7 }')
read -r ok_x ok_y _ _ < <(since_mark | awk '$1 == "layout" && $2 == "details" && $3 == "ok" { print $4, $5, $6, $7 }')
read -r corner_x corner_y < <(since_mark | awk '$1 == "layout" && $2 == "details" && $3 == "corner" { print $4, $5 }')
[ -n "${corner_y:-}" ] || fail "expected the details form's sizing corner"
mark
xdotool mousemove --sync "$corner_x" "$corner_y" mousedown 1
xdotool mousemove --sync $((corner_x + 80)) $((corner_y + 40)) mouseup 1
wait_for '^ready details$'
expect_last '^layout details comment ' "layout details comment $comment_x $(since_mark | awk '$1 == "layout" && $2 == "details" && $3 == "comment" { print $5 }' | tail -n 1) $((comment_w + 80)) 24"
expect_last '^layout details ok ' "layout details ok $ok_x $((ok_y + 40)) 90 30"

echo "== Escape presses the details form's Cancel"
mark
xdotool key Escape
wait_for '^closed details reason=\[CANCEL\] -> 0$'
wait_for '^set gallery reason VALUE=\[CANCEL\] -> 0$'

echo "== the orders form: a click selects an order, a click on the Date header sorts by date"
grep -qx 'filled orders stored rows=100000 -> 0' <(tr -d '\r' <"$log") ||
  fail "expected the gallery to have filled its 100,000 stored orders without a refused cell"
mark
click_item gallery orders
wait_for '^ready orders$'
click_item orders stored
wait_for '^event orders stored ROWSEL row=[0-9]+ '
picked=$(since_mark | grep -E '^event orders stored ROWSEL row=[0-9]+ ' | tail -n 1 | cut -d' ' -f6-)
mark
# The header is the grid's top line.
read_layout orders stored
click_at $((x + 40)) $((y + 8))
wait_for '^event orders stored COLCLIC column=0$'
wait_for '^event orders stored ROWSEL row=[0-9]+ '
moved=$(since_mark | grep -E '^event orders stored ROWSEL row=[0-9]+ ' | tail -n 1 | cut -d' ' -f6-)
[ "$moved" = "$picked" ] ||
  fail "expected the selected order [$picked] to stay selected where the sort put it, got [$moved]"
mark
xdotool key Home
wait_for '^event orders stored ROWSEL row=0 \[01/01/2000\] '
xdotool key End
wait_for '^event orders stored ROWSEL row=99999 \[28/12/2025\] '
# The last order's customer, its last cell.
customer=$(since_mark | grep -E '^event orders stored ROWSEL row=99999 ' | tail -n 1 |
  sed 's/.*\] \[//; s/\]$//')

echo "== F2 edits a date: written back in its format, refused when impossible or before 2000"
mark
xdotool key F2
xdotool type --delay 20 '5.3.2005'
xdotool key Return
wait_for '^event orders stored CELLCHG row=99999 column=0 value=\[05/03/2005\] \[05/03/2005\] '
mark
xdotool key F2
xdotool type --delay 20 '31/13/2005'
xdotool key Return
wait_for '^status orders \[Saisie incorrecte\]$'
expect_none 'CELLCHG'
xdotool key Escape
mark
xdotool key F2
xdotool type --delay 20 '5.3.1999'
xdotool key Return
wait_for '^event orders stored CELLCHG row=99999 column=0 value=\[05/03/1999\] '
wait_for '^status orders \[Orders before 2000 are closed: the date is put back\]$'

echo "== a character typed on the amount edits it; Ctrl+C copies the row under the titles"
mark
xdotool key Right
xdotool type --delay 20 '12.5'
xdotool key Return
wait_for '^event orders stored CELLCHG row=99999 column=1 value=\[12\.50\] '
xdotool key ctrl+c
expected_copy=$(printf 'Date\tAmount\tCustomer\n05/03/2005\t12.50\t%s' "$customer")
for _ in $(seq 50); do
  copied=$(timeout 5 xclip -o -selection clipboard 2>/dev/null | tr -d '\r' || true)
  [ "$copied" = "$expected_copy" ] && break
  sleep 0.1
done
[ "$copied" = "$expected_copy" ] || fail "expected the clipboard to hold [$expected_copy], got [$copied]"

echo "== the virtual grid: End goes to the millionth order, Page Up a page back, Return tells it"
mark
click_item orders virtual
wait_for '^event orders virtual ROWSEL row=[0-9]+ '
mark
xdotool key End
wait_for '^event orders virtual ROWSEL row=999999 \[A-1000000\] \[03/09/2013\] \[661\.27\] \[Иванов и Ко\]$'
mark
xdotool key Prior
wait_for '^event orders virtual ROWSEL row=9999[0-9]{2} '
read -r row number < <(since_mark | awk '$4 == "ROWSEL" && $5 != "row=-1" { print substr($5, 5), $6 }' | tail -n 1)
if [ "$row" -ge 999999 ] || [ "$number" != "$(printf '[A-%07d]' $((row + 1)))" ]; then
  fail "expected Page Up to select an earlier order with its own number, got row $row, $number"
fi
mark
xdotool key Return
wait_for "^event orders virtual ITEMCLIC row=$row "
wait_for "^status orders \\[Row $row: A-$(printf '%07d' $((row + 1))), "
click_item orders close
wait_for '^closed orders reason=\[CANCEL\] -> 0$'

echo "== the program fills the fields in, and reads back what they show"
mark
click_item gallery Sample
wait_for '^set gallery subscribe CHECK=\[false\] -> 0$'
click_item gallery Apply
wait_for '^set gallery summary VALUE=\[Name \[Ada\], date \[05/03/2005\], amount \[1234\.50\], list \[Blue\], city \[Lyon\], subscribed \[FALSE\]\] -> 0$'
wait_for '^status gallery \[Applied: the summary shows the fields\]$'
click_item gallery name
mark
xdotool key Tab
wait_for '^event gallery name ITEMEXIT recorded=\[Ada\]'
[ "$(field_events gallery name)" = "ITEMEXIT" ] ||
  fail "expected ITEMEXIT alone after the program set the name, got [$(field_events gallery name)]"

echo "== the Dark check box turns the dark theme on and off"
mark
click_item gallery dark
wait_for '^theme DARK -> 0$'
mark
xdotool key space
wait_for '^theme LIGHT -> 0$'

echo "== in English, OK is refused while the required name is empty, then accepted"
mark
click_item gallery english
wait_for '^language US -> 0$'
click_item gallery name
xdotool key End shift+Home Delete
mark
click_item gallery ok
wait_for '^status gallery \[Input required\]$'
expect_none '^closed gallery'
xdotool type --delay 20 'Ada'

echo "== the OK button ends the form with OK"
mark
click_item gallery ok
wait_for '^closed gallery reason=\[OK\]$'
wait_for '^exit 0$'
expect_none 'ITEMCLIC'
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "expected gallery.exe to end after its form closed"
status=0
wait "$pid" || status=$?
pid=""
[ "$status" -eq 0 ] || fail "expected gallery.exe to exit with 0, got $status"
echo "gallery test: all steps passed"
