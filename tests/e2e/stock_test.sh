#!/usr/bin/env bash
# Drives stock.exe (the inventory tool on the C++ layer) with real keys and clicks: it
# loads 20,000 rows, narrows them by a search, sorts them by price, has a price edited in
# the grid and an item added in the modal form (through its "Discard changes?" question),
# and saves. The saved file must be the original with exactly those two changes, every
# other row byte for byte.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/lib/wine-env.sh"
bin=${FENWIX_BIN:?FENWIX_BIN must name the folder that holds stock.exe and fenmsg.fdb}
cd "$bin"

csv=stock_e2e.csv
log=$(mktemp)
expected=$(mktemp)
pid=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  rm -f "$log" "$expected" "$csv" "$csv.tmp"
  stop_started
}
trap cleanup EXIT
start_display

fail() {
  echo "stock test: $*" >&2
  echo "--- what stock.exe printed:" >&2
  tr -d '\r' <"$log" >&2
  exit 1
}

source "$(dirname "${BASH_SOURCE[0]}")/program_lines.sh"

read_layout() {
  read -r x y w h < <(tr -d '\r' <"$log" | awk -v i="$1" \
    '$1 == "layout" && $2 == "stock" && $3 == i { print $4, $5, $6, $7 }' | tail -n 1)
  [ -n "${h:-}" ] || fail "expected a layout line for $1"
}
click_at() {
  local X Y SCREEN WINDOW
  eval "$(xdotool getmouselocation --shell)"
  if [ "$X" -ne "$1" ] || [ "$Y" -ne "$2" ]; then xdotool mousemove --sync "$1" "$2"; fi
  xdotool click 1
}
click_item() {
  local x y w h
  read_layout "$1"
  click_at $((x + w / 2)) $((y + h / 2))
}

# 20,000 items: names with commas and quotes in quoted fields, Polish and Greek letters,
# and quotes where none are needed, which a row written anew would lose.
awk 'BEGIN {
  printf "sku,name,quantity,price,counted\n"
  split("Śruba M6 %d|\"Mutter M8, verzinkt %d\"|\"Ελιά %d\"|Klucz płaski %d|\"Schraubendreher \"\"Profi\"\" %d\"", names, "|")
  for (i = 1; i <= 20000; i++)
    printf "SKU-%05d," names[(i % 5) + 1] ",%d,%d.%02d,20%02d-%02d-%02d\n", i, i, (i * 7) % 500,
           (i * 37) % 1000, (i * 13) % 100, 20 + i % 6, 1 + i % 12, 1 + i % 28
}' >"$csv"
cp "$csv" "$expected"

wine stock.exe "$csv" </dev/null >"$log" 2>/dev/null &
pid=$!

echo "== the rows arrive from the worker thread"
wait_for '^loaded 20000$' 120
wait_for '^rows 20000$'
window=$(xdotool search --name '^Magazyn' | head -n 1)
[ -n "$window" ] || fail "expected a window titled 'Magazyn · Lager · Αποθήκη'"

echo "== a larger window gives the grid the room, the buttons stay at the right edge"
mark
xdotool windowsize "$window" 900 640
wait_for '^layout stock grid [0-9]+ [0-9]+ (8[5-9][0-9]|9[0-9][0-9]) (5[2-9][0-9]|6[0-9][0-9])$'
xdotool windowfocus --sync "$window" || true

echo "== the search narrows the rows as the user types"
click_item search
mark
xdotool type --delay 30 'sku-0012'
wait_for '^rows 10$'

echo "== a click on the price header sorts by price"
read_layout grid
mark
# The header's price column: after SKU (90), name (250) and quantity (70).
click_at $((x + 465)) $((y + 9))
wait_for '^sorted price ascending$'
wait_for '^rows 10$'

echo "== the cheapest of them gets a new price in the grid"
cheapest=$(awk -F, '$1 ~ /^SKU-0012[0-9]$/ { print $(NF - 1), $1 }' "$csv" | sort -g -s -k1,1 | head -n 1 | cut -d' ' -f2)
mark
click_at $((x + 465)) $((y + 26))
xdotool key F2 End
xdotool key --repeat 12 BackSpace
xdotool type --delay 30 '999.99'
xdotool key Return
wait_for "^changed $cheapest price 999.99$"
sed -i -E "/^$cheapest,/ s/,[0-9]+\.[0-9]{2},([0-9-]{10})$/,999.99,\1/" "$expected"

echo "== an item is added: a SKU in use is refused, Escape first asks before discarding"
mark
click_item add
wait_for '^open additem$'
xdotool type --delay 30 'SKU-00001'
xdotool key Tab
xdotool type --delay 30 'Oelkanne, gross'
xdotool key Tab
xdotool type --delay 30 '3'
xdotool key Tab
xdotool type --delay 30 '12.5'
xdotool key Tab
xdotool type --delay 30 '2026-12-08'
xdotool key Return
wait_for '^refused sku SKU-00001$'
xdotool key --delay 50 shift+Tab shift+Tab shift+Tab shift+Tab End shift+Home
xdotool type --delay 30 'NEU-1'
xdotool key Escape
wait_for '^open discard$'
xdotool key Escape
wait_for '^discard no$'
xdotool key Return
wait_for '^added NEU-1$'
printf 'NEU-1,"Oelkanne, gross",3,12.50,2026-12-08\n' >>"$expected"

echo "== the save replaces the file, every other row byte for byte"
mark
click_item save
wait_for '^saved 20001$'
[ ! -e "$csv.tmp" ] || fail "the temporary file is left behind"
cmp "$csv" "$expected" || { diff "$csv" "$expected" | head -n 20 >&2; fail "the saved file differs"; }
echo "stock test: passed"
