#!/usr/bin/env bash
# Numlet under Wine, typed on the real keyboard (xdotool): the calculator's listed and
# repeated-key sequences on the main row, then the number pad, Backspace, Escape and
# Delete, each judged from the display's pixels against the model as the clicks are; and
# the display's text through the X clipboard (xclip) both ways, a refused text included.
set -euf -o pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/numlet_model.sh"
source "$here/numlet_driver.sh"
driver_init numlet_typing
typed=0
clipboard_server=""

# Keys of the keyboard by their xdotool names; each sequence is typed after Escape.
keyboard_sequences=(
  "KP_1 KP_2 KP_Add KP_3 KP_Enter"                 # the number pad: 15
  "KP_7 KP_Multiply KP_6 KP_Subtract KP_2 Return"  # 40
  "9 9 KP_9 asterisk 9 equal"                      # main row and pad mixed: 8991
  "1 2 3 BackSpace BackSpace 4"                    # 14
  "7 BackSpace 5"                                  # one digit taken back leaves 0: 5
  "2 plus 3 Return BackSpace"                      # a result keeps its digits: 5
  "5 plus 3 Escape plus 4 equal"                   # Escape clears: 4
  "5 plus 3 Delete 6"                              # so does Delete: 6
)

# Types the keys after Escape at 60 ms a key and checks the display they end on.
run_typed() {
  local keysyms=(Escape) keys=() rest keysym texts
  read -r -a rest <<<"$1"
  keysyms+=("${rest[@]}")
  for keysym in "${keysyms[@]}"; do
    key_of_keysym "$keysym"
    keys+=("$REPLY")
  done
  mapfile -t texts < <(model_preview "${keys[@]}")
  need_reference "${texts[-1]}"
  type_keysyms_at_pace 60 "${keysyms[@]}"
  typed=$(( typed + ${#keysyms[@]} ))
  expect_display "$model_display" "typed $1"
}

# Offers a text on the X clipboard until the program takes the clipboard over or the
# script ends.
offer_clipboard() {
  [ -n "$clipboard_server" ] && kill "$clipboard_server" 2>/dev/null
  printf '%s' "$1" | xclip -quiet -selection clipboard -i >/dev/null 2>&1 &
  clipboard_server=$!
  sleep 0.2
}
trap '[ -n "$clipboard_server" ] && kill "$clipboard_server" 2>/dev/null; driver_cleanup' EXIT

note "keys of the keyboard"
numlet_start
focus_numlet
for sequence in "${listed_sequences[@]}" "${repeated_key_sequences[@]}"; do
  keysyms=""
  for key in $sequence; do
    keysym_of_key "$key"
    keysyms+=" $REPLY"
  done
  run_typed "$keysyms"
done
note "listed and repeated-key sequences typed on the main row give their displays"
for sequence in "${keyboard_sequences[@]}"; do
  run_typed "$sequence"
done
note "number pad, Backspace, Escape and Delete give their displays"

# Ctrl+C: the display's text, "-" included, as the clipboard's text.
run_typed "3 minus 5 Return"
xdotool key ctrl+c
copied=""
for _ in $(seq 50); do
  copied=$(timeout 5 xclip -o -selection clipboard 2>/dev/null || true)
  [ "$copied" = "-2" ] && break
  sleep 0.1
done
[ "$copied" = "-2" ] || fail "Ctrl+C with -2 on the display put \"$copied\" on the clipboard"

# Ctrl+V types the clipboard's text; a text with any other character changes nothing.
need_reference 15
need_reference 7
offer_clipboard "12+3="
type_keysyms_at_pace 60 Escape
xdotool key ctrl+v
for key in 1 2 + 3 =; do model_press "$key"; done
expect_display "$model_display" "Ctrl+V of 12+3="
offer_clipboard "12a"
type_keysyms_at_pace 60 Escape 7
xdotool key ctrl+v
expect_display 7 "Ctrl+V of 12a after 7"
note "Ctrl+C gives -2; Ctrl+V of 12+3= gives 15, of 12a changes nothing"
numlet_close
note "passed: $typed keys typed in judged sequences, ${#reference[@]} display pictures"
driver_finish
