#!/usr/bin/env bash
# Numlet under Wine, clicked with the real pointer: the displays of the calculator's listed
# key sequences (after every key, then at a person's pace of 60 ms and a slow one of 400 ms),
# of seeded random sequences, and of the same key clicked twice quickly, which the button
# reports as a double-click and which must still count as two presses. Closing the window
# must end the program with code 0. Expected displays come from a model of the keys; each
# is judged against a picture of the display made by typing that text after C/CE. On a
# screen of another DPI (FENWIX_DPI) the keys are clicked one at a time only.
set -euf -o pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/numlet_model.sh"
source "$here/numlet_driver.sh"
driver_init numlet_keys
clicks=0

# Clicks the keys one at a time, checking the display after each against the model.
run_in_step() {
  local keys key n=0
  read -r -a keys <<<"$1"
  need_references_for "${keys[@]}"
  for key in "${keys[@]}"; do
    n=$(( n + 1 ))
    click_key "$key"
    model_press "$key"
    clicks=$(( clicks + 1 ))
    expect_display "$model_display" "keys $1, after key $n ($key)"
  done
}

# Clicks the keys at a pace and checks the display they end on.
run_at_pace() {
  local pause_ms=$1 keys texts
  read -r -a keys <<<"$2"
  mapfile -t texts < <(model_preview "${keys[@]}")
  need_reference "${texts[-1]}"
  click_keys_at_pace "$pause_ms" "${keys[@]}"
  clicks=$(( clicks + ${#keys[@]} ))
  expect_display "$model_display" "keys $2 at $pause_ms ms"
}

# ---- one key at a time -----------------------------------------------------------------
note "start 1: keys one at a time"
numlet_start
check_layout

# An operator as the very first key takes the empty entry as 0 and leaves the display.
seen_five="$artifacts/work/first-operator-5.ppm"
type_keys_in_step "\"*\" as the first key, then 5" "*" 5
cp "$artifacts/work/step-before.ppm" "$seen_five"
type_keys_in_step "\"* 5\" then =" "="
expect_display 0 "keys * 5 = at start-up"
clicks=$(( clicks + 3 ))
need_reference 5
cmp -s "$seen_five" "${reference[5]}" || {
  keep_pictures "first-operator-5" "$seen_five" "${reference[5]}"
  fail "after \"* 5\" at start-up the display does not look like \"5\" typed after C/CE"
}

for sequence in "${listed_sequences[@]}"; do
  run_in_step "C/CE $sequence"
done
# A new picture must differ from those of all other texts: "16" from the "15" that
# 1 2 + 3 = showed, "2" from "-2".
need_reference 16
need_reference 2

# The lowest and -2 reached by other routes than those their pictures were made with.
run_in_step "C/CE 1 0 7 3 7 4 1 8 2 4 * 2 ="     # 2^30 * 2 wraps to -2147483648
run_in_step "C/CE 2 1 4 7 4 8 3 6 4 7 * 2 ="     # wraps to -2
numlet_close

# On a screen of another DPI what is judged is the layout and the displays; the pace of
# the clicks is the same at every scale.
if [ "$dpi" != 96 ]; then
  note "passed at $dpi DPI: $clicks clicks in judged sequences, ${#reference[@]} display pictures"
  driver_finish
  exit 0
fi

# ---- at a person's pace ------------------------------------------------------------------
note "start 2: keys at 60 ms, then at 400 ms"
numlet_start
for sequence in "${repeated_key_sequences[@]}" "${listed_sequences[@]}"; do
  run_at_pace 60 "C/CE $sequence"
done
note "listed and repeated-key sequences give their displays at 60 ms"

seed=20240611
random_seed $seed
for _ in $(seq 20); do
  random_sequence
  run_at_pace 60 "C/CE $REPLY"
done
note "20 random sequences (seed $seed) give their displays at 60 ms"

# 400 ms is still within the double-click time, so the same key twice is again reported
# as a double-click.
for sequence in "${repeated_key_sequences[@]}" "1 2 + 3 =" "7 = 2 + 3 ="; do
  run_at_pace 400 "C/CE $sequence"
done
note "repeated-key and two listed sequences give their displays at 400 ms"
numlet_close
note "passed: $clicks clicks in judged sequences, ${#reference[@]} display pictures"
driver_finish
