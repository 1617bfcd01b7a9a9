# shellcheck shell=bash
# What Numlet's display should show, worked out independently of the program: a small
# model of its keys (signed 32-bit accumulator that wraps, a decimal entry, a pending
# operator) and a repeatable source of random key sequences. Sourced by the e2e scripts.

# The model's state. model_display is the text the display shows after the last key.
model_acc=0
model_entry=""
model_pending=""
model_display="0"

model_reset() {
  model_acc=0 model_entry="" model_pending="" model_display="0"
}

# Stores a value in the accumulator as a signed 32-bit integer wraps it. Bash integers are
# 64-bit, so sums and products of two 32-bit values are exact before the wrap.
model_wrap32() {
  model_acc=$(( $1 & 0xFFFFFFFF ))
  if (( model_acc >= 0x80000000 )); then model_acc=$(( model_acc - 0x100000000 )); fi
}

# The entry's value in REPLY; the empty entry counts as 0. The entry never has a leading zero
# followed by more digits, so base 10 is forced only to keep "08" from reading as octal.
model_entry_value() {
  REPLY=0
  if [ -n "$model_entry" ]; then REPLY=$(( 10#$model_entry )); fi
}

model_press() {
  local key=$1 n
  case "$key" in
    [0-9])
      local candidate="$model_entry$key"
      # Accepted only when it reads back as itself as a signed 32-bit number: no digit
      # after a lone "0", nothing past 2147483647.
      if [[ $candidate =~ ^(0|[1-9][0-9]{0,9})$ ]] && (( 10#$candidate <= 2147483647 )); then
        model_entry=$candidate
      fi
      if [ "$model_pending" = "=" ]; then
        model_entry_value
        model_acc=$REPLY
      fi
      model_display=${model_entry:-0}
      ;;
    C/CE)
      model_acc=0 model_entry="" model_pending="" model_display="0"
      ;;
    Backspace)
      # Only a number being typed loses its last digit; after "=" it is the accumulator.
      [ -n "$model_entry" ] || return 0
      model_entry=${model_entry%?}
      if [ "$model_pending" = "=" ]; then
        model_entry_value
        model_acc=$REPLY
      fi
      model_display=${model_entry:-0}
      ;;
    +|-|"*"|=)
      model_entry_value
      n=$REPLY
      if [ -n "$model_pending" ]; then
        case "$model_pending" in
          +) model_wrap32 $(( model_acc + n )) ;;
          -) model_wrap32 $(( model_acc - n )) ;;
          "*") model_wrap32 $(( model_acc * n )) ;;
        esac
        model_display=$model_acc
      else
        model_acc=$n
      fi
      model_entry="" model_pending=$key
      ;;
    *)
      echo "model_press: no key named \"$key\"" >&2
      return 1
      ;;
  esac
}

# The displays the keys would show one after the other, from the current state, without
# changing it; one text per line.
model_preview() {
  local saved=("$model_acc" "$model_entry" "$model_pending" "$model_display") key
  for key in "$@"; do
    model_press "$key"
    echo "$model_display"
  done
  model_acc=${saved[0]} model_entry=${saved[1]} model_pending=${saved[2]} model_display=${saved[3]}
}

# The calculator's documented sequences; each is run after C/CE.
listed_sequences=(
  "1 2 + 3 ="                     # 1, 12, 12, 3, 15
  "2 + 3 = ="                     # "=" again repeats nothing
  "5 * ="                         # the empty entry counts as 0
  "5 + +"                         # 5 plus 0
  "7 = 2 + 3 ="                   # a digit after "=" starts anew
  "0 5"                           # no digit after a lone 0
  "2 1 4 7 4 8 3 6 4 7 1"         # the largest entry, then one digit too many
  "2 1 4 7 4 8 3 6 4 8"           # stops at 214748364
  "2 1 4 7 4 8 3 6 4 7 + 1 ="     # wraps to -2147483648
  "3 - 5 = 4 + 1 ="               # -2, then a new positive entry
  "5 + 3 C/CE + 4 ="              # C/CE drops the pending operator
)

# The same key twice or three times in a row, quicker than the double-click time.
repeated_key_sequences=(
  "1 1"
  "7 7 7"
  "2 + 3 = ="
  "9 9 * 9 9 ="
  "5 + +"
  "3 3 3 3"
)

# A linear congruential generator, so that a seed gives the same sequences with any
# version of bash (its own RANDOM has changed how it is seeded). Results come in REPLY:
# a command substitution would run in a subshell and lose the generator's state.
random_state=1
random_seed() { random_state=$1; }
random_below() {
  random_state=$(( (random_state * 1103515245 + 12345) & 0x7FFFFFFF ))
  REPLY=$(( (random_state >> 16) % $1 ))
}

# One random sequence of 3 to 12 keys, space-separated, in REPLY. Digits come more often
# than operators so that numbers of several digits (and overflow) appear; C/CE is rare.
random_sequence() {
  local operators=("+" "-" "*" "=") length keys=() roll
  random_below 10
  length=$(( 3 + REPLY ))
  while (( ${#keys[@]} < length )); do
    random_below 100
    roll=$REPLY
    if (( roll < 60 )); then
      random_below 10
      keys+=("$REPLY")
    elif (( roll < 96 )); then
      random_below 4
      keys+=("${operators[$REPLY]}")
    else
      keys+=("C/CE")
    fi
  done
  REPLY="${keys[*]}"
}
