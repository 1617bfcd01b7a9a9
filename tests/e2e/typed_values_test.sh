#!/usr/bin/env bash
# What a program reads of what its user typed, on every route out of a form. entry.exe (a
# program on the public header alone) opens a form with a field of each type, a combo box,
# a check box and a stored grid; real keys and clicks type into one item and leave the
# focus there, then take one route out; entry.exe prints what it reads of every item once
# the form has closed, and the table says what it must read.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/lib/wine-env.sh"
bin=${FENWIX_BIN:?FENWIX_BIN must name the folder that holds entry.exe and fenmsg.fdb}
cd "$bin"

log=$(mktemp)
pid=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  rm -f "$log"
  stop_started
}
trap cleanup EXIT
start_display

fail() {
  echo "typed values test: $*" >&2
  echo "--- what entry.exe printed since the case began:" >&2
  since_mark >&2
  exit 1
}

source "$(dirname "${BASH_SOURCE[0]}")/program_lines.sh"

# The place of an item from its last layout line, into x, y, w and h.
read_layout() {
  read -r x y w h < <(tr -d '\r' <"$log" | awk -v i="$1" '$1 == "layout" && $2 == i { print $3, $4, $5, $6 }' | tail -n 1) || true
  [ -n "${h:-}" ] || fail "expected a layout line for $1"
}

click_item() {
  local x y w h X Y SCREEN WINDOW
  read_layout "$1"
  # A synchronous move to where the pointer already is waits for a motion that never comes.
  eval "$(xdotool getmouselocation --shell)"
  if [ "$X" -ne $((x + w / 2)) ] || [ "$Y" -ne $((y + h / 2)) ]; then
    xdotool mousemove --sync $((x + w / 2)) $((y + h / 2))
  fi
  xdotool click --repeat "${2:-1}" --delay 50 1
}

start_entry() {
  : >"$log"
  mark_at=0
  wine entry.exe "$@" </dev/null >"$log" 2>/dev/null &
  pid=$!
  wait_for '^ready$' 120
}

# Without a window manager Wine leaves a window's caption to nobody; asked not to rely on
# one, it draws the caption and its close box itself.
wine reg add 'HKCU\Software\Wine\AppDefaults\entry.exe\X11 Driver' /v Decorated /t REG_SZ \
  /d N /f >/dev/null 2>&1

# What is typed into each kind of item, and what a route that keeps it must read: the
# normal form. A route that abandons the focused item reads what it showed as typed, and a
# grid's open edit is dropped.
declare -A typed=([name]='Ada Lovelace' [when]='1.2.2025' [price]='12.5' [colour]='blue'
                  [urgent]=click [cell]='12.5')
declare -A normal=([name]='Ada Lovelace' [when]='01/02/2025' [price]='12.50' [colour]='blue'
                   [urgent]=TRUE [cell]='12.50')
declare -A shown=([name]='Ada Lovelace' [when]='1.2.2025' [price]='12.5' [colour]='blue'
                  [urgent]=TRUE [cell]='1.00')
declare -A untouched=([name]='' [when]='' [price]='' [colour]='red' [urgent]=FALSE [cell]='1.00')
# Each route, the close reason it gives and whether it keeps what was typed.
routes=("ok-click OK keeps" "mnemonic OK keeps" "return OK keeps" "escape CANCEL abandons"
        "close-box CLOSE abandons" "form-close OK keeps")

type_into() {
  local item=$1
  if [ "$item" = cell ]; then
    # A double click opens the cell's edit with its text selected.
    click_item cell 2
    xdotool type --delay 30 "${typed[cell]}"
  elif [ "$item" = urgent ]; then
    click_item urgent
  else
    # Typed over what the field shows, as a user selects it first.
    click_item "$item"
    xdotool key Home shift+End
    xdotool type --delay 30 "${typed[$item]}"
  fi
}

take_route() {
  case $1 in
    ok-click) click_item ok ;;
    mnemonic) xdotool key alt+o ;;
    # Return in a grid's edit commits the cell, and the grid keeps Return: OK is clicked.
    return) xdotool key Return
            if [ "$2" = cell ]; then sleep 0.5; click_item ok; fi ;;
    # Escape in a grid's edit cancels the edit; the next one closes the form.
    escape) xdotool key Escape
            if [ "$2" = cell ]; then sleep 0.5; xdotool key Escape; fi ;;
    close-box) click_item closebox ;;
    form-close) xdotool key F9 ;;
    main-close) click_item mainclose ;;
  esac
}

# Every item's line must read as expected: the one typed into by the route's rule, the
# others as they started.
check_reads() {
  local item=$1 expected=$2 other got
  for other in name when price colour urgent cell; do
    local want=${untouched[$other]}
    [ "$other" = "$item" ] && want=$expected
    got=$(since_mark | awk -v i="$other" '$1 == "read" && $2 == i' | tail -n 1)
    [ "$got" = "read $other [$want]" ] || fail "$3: expected 'read $other [$want]', got '$got'"
  done
}

echo "== the modal form, closed by each route, with each kind of item focused"
start_entry
for route_line in "${routes[@]}"; do
  read -r route reason rule <<<"$route_line"
  for item in name when price colour urgent cell; do
    what="$item, $route"
    type_into "$item"
    mark
    take_route "$route" "$item"
    wait_for "^closed $reason$"
    if [ "$rule" = keeps ]; then check_reads "$item" "${normal[$item]}" "$what"
    else check_reads "$item" "${shown[$item]}" "$what"; fi
    echo "ok: $what"
    wait_for '^ready$'
  done
done
xdotool key F8
wait "$pid" || fail "entry.exe ended with $?"
pid=""

echo "== a save from the main window's close, after FX_FormCommit, with each kind focused"
for item in name when price colour urgent cell; do
  start_entry modeless
  type_into "$item"
  mark
  take_route main-close "$item"
  wait_for '^closed'
  wait_for '^commit 0$'
  check_reads "$item" "${normal[$item]}" "$item, main window closed"
  echo "ok: $item, main window closed"
  wait "$pid" || fail "entry.exe ended with $?"
  pid=""
done
echo "typed values: every route read as expected"
