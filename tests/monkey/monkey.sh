#!/usr/bin/env bash
# monkey.sh PROGRAM SEED EVENTS [SECONDS]
# Throws a seeded stream of random input at gallery.exe or numlet.exe from outside the
# process (xdotool): clicks at random points of the window and on its controls, double
# clicks, keys (Tab, Return, Escape, function keys, Alt+F4...) and typed text with bytes
# 128-255 and long runs. After each burst it checks that the program runs and answers a
# message within 2 s, that no error box is open and no error was reported, that its
# resident memory has grown by at most its allowance since its first burst (1 MB, 6 MB for
# the gallery) and, for Numlet, that a known key sequence still gives its result. A program that ends legitimately (Alt+F4, the
# gallery's OK or Cancel) is started again and counted. Stops after EVENTS events, or
# after SECONDS (default: no limit). A failure prints the seed and the last 50 events.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

program=${1:-}
seed=${2:-}
event_limit=${3:-}
time_limit=${4:-0}
case "$program" in
  # The gallery's orders form holds 100,000 rows: opening it once makes its window and
  # list views, and sorting them once takes the memory a sort works in, which the heap
  # keeps for the next one. Some 4 MB that the gallery takes once, not a leak.
  gallery) title="Fenwix Gallery"; memory_limit_kb=6144 ;;
  numlet) title="Numlet v1.0"; memory_limit_kb=1024 ;;
  *) echo "usage: monkey.sh gallery|numlet SEED EVENTS [SECONDS]" >&2; exit 2 ;;
esac
[[ $seed =~ ^[0-9]+$ && $event_limit =~ ^[0-9]+$ && $time_limit =~ ^[0-9]+$ ]] ||
  { echo "usage: monkey.sh gallery|numlet SEED EVENTS [SECONDS]" >&2; exit 2; }
bin=${FENWIX_BIN:?FENWIX_BIN must name the folder holding the programs and monkey_check.exe}
bin=$(cd "$bin" && pwd)
cd "$bin"

burst_size=20
start_limit_s=120       # the first program of a Wine session also starts Wine's services
wait_limit_s=15

# shellcheck source=../../scripts/lib/wine-env.sh
source "$here/../../scripts/lib/wine-env.sh"

log="$bin/../monkey-$program.log"
pid=""
cleanup() {
  trap - ERR
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  fi
  stop_started
}
trap cleanup EXIT
# A command that fails unexpectedly fails the run as a check does, with its seed and events.
set -o errtrace
trap 'fail "the command [$BASH_COMMAND] failed"' ERR
# Run by hand without a display, the script starts its own Xvfb and Wine server.
if [ -z "${DISPLAY:-}" ]; then
  start_display
  start_wine
fi

# ---- the record of events ---------------------------------------------------------------

events=0          # thrown so far
restarts=0
declare -a recent=()   # the last 50 events, oldest first

record() {
  events=$(( events + 1 ))
  recent+=("$events: $*")
  (( ${#recent[@]} <= 50 )) || recent=("${recent[@]:1}")
}

fail() {
  echo "FAIL: monkey $program, seed $seed, after $events events: $*" >&2
  echo "replay: FENWIX_BIN=$bin $here/monkey.sh $program $seed $events" >&2
  echo "--- the last ${#recent[@]} events:" >&2
  printf '  %s\n' "${recent[@]}" >&2
  echo "--- the end of the program's output ($log):" >&2
  tail -n 20 "$log" | tr -d '\r' >&2
  import -silent -window root "$bin/../monkey-$program-failure.png" 2>/dev/null &&
    echo "--- the screen: $bin/../monkey-$program-failure.png" >&2
  exit 1
}

# ---- the program ------------------------------------------------------------------------

# The checker's view, in check_state, check_timing, window_rect and controls (an array of
# "X Y W H"). Its arguments go before the title: --key-held after a burst.
check_state=""
check_timing=""
window_rect=""
declare -a controls=()
ask_checker() {
  local line
  check_state=""
  check_timing=""
  window_rect=""
  controls=()
  while IFS= read -r line; do
    line=${line%$'\r'}
    case "$line" in
      window=*) check_state=$line ;;
      timing\ *) check_timing=${line#timing } ;;
      rect\ *) window_rect=${line#rect } ;;
      control\ *) controls+=("${line#control }") ;;
    esac
  done < <(wine monkey_check.exe "$@" "$title" </dev/null 2>/dev/null)
}

start_program() {
  # The gallery writes the library's reports to its output instead of showing them, so
  # that every report is seen, even one whose box random input would have answered.
  local args=()
  [ "$program" = gallery ] && args=(--reports-to-output)
  wine "$program.exe" "${args[@]}" </dev/null >"$log" 2>&1 &
  pid=$!
  baseline_kb=""
  local deadline=$(( EPOCHSECONDS + start_limit_s ))
  while :; do
    kill -0 "$pid" 2>/dev/null || fail "$program.exe ended during start-up"
    ask_checker
    [ "$check_state" = "window=found answers=yes errorbox=none" ] && [ ${#controls[@]} -gt 0 ] &&
      return 0
    (( EPOCHSECONDS < deadline )) || fail "no window \"$title\" with controls within $start_limit_s s"
    sleep 0.2
  done
}

resident_kb() {
  awk '$1 == "VmRSS:" { print $2 }' "/proc/$pid/status" 2>/dev/null || true
}

# The program has ended: legitimately when it was closed as a user closes it, with the
# exit code 0. Anything else is a fault.
judge_end() {
  local code=0
  wait "$pid" || code=$?
  pid=""
  [ "$code" -eq 0 ] || fail "$program.exe ended with the exit code $code"
  check_reports
  if [ "$program" = gallery ]; then
    grep -q '^closed gallery reason=' "$log" ||
      fail "gallery.exe ended without its form being closed"
  else
    [ "$closed_in_burst" = 1 ] || fail "numlet.exe ended though no Alt+F4 was sent"
  fi
  restarts=$(( restarts + 1 ))
  start_program
}

# Numlet still calculates: clears, types N * 7 + 5 = and copies the display. N is the
# number of the check, so a result left on the clipboard by an earlier check never passes.
checks=0
check_numlet_result() {
  local n=$checks keys=() i expected=$(( checks * 7 + 5 )) x y w h
  for (( i = 0; i < ${#n}; i++ )); do keys+=("${n:i:1}"); done
  # Wine gives a window the keyboard only once the pointer has entered it: out, then in
  # over the calculator's title line.
  read -r x y w h <<<"$window_rect"
  xdotool mousemove $(( x + w + 20 )) $(( y + 10 )) mousemove $(( x + w / 2 )) $(( y + 32 ))
  xdotool key Escape "${keys[@]}" asterisk 7 plus 5 Return ctrl+c
  local deadline=$(( EPOCHSECONDS + wait_limit_s )) got=""
  while (( EPOCHSECONDS < deadline )); do
    got=$(timeout 5 xclip -o -selection clipboard 2>/dev/null || true)
    [ "$got" = "$expected" ] && return 0
    sleep 0.2
  done
  if ! kill -0 "$pid" 2>/dev/null; then judge_end; return 0; fi
  fail "Numlet gave [$got] for C/CE $n * 7 + 5 =, expected [$expected]"
}

# No input thrown here is meant to make the library report an error: any report is a fault.
check_reports() {
  local report
  report=$(grep -m 1 -A 6 '^report ' "$log" | tr -d '\r' || true)
  [ -z "$report" ] || fail "the library reported an error:"$'\n'"$report"
}

check_after_burst() {
  checks=$(( checks + 1 ))
  # Alt+F4 may have closed the program a moment ago; then it is ending.
  local i
  for (( i = 0; i < 30 && closed_in_burst; i++ )); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if ! kill -0 "$pid" 2>/dev/null; then judge_end; return 0; fi
  # A program that is closing (Alt+F4, OK, Cancel) may still be there, its window gone or
  # no longer answering: it is given the time to end. One that answers again after failing
  # to answer took more than 2 s over a message.
  local good="window=found answers=yes errorbox=none" deadline=$(( EPOCHSECONDS + wait_limit_s ))
  # The right Shift key, held down while the checker looks, comes after all the burst's
  # input: the checker waits for it to arrive, then for the program to handle the rest.
  xdotool keydown Shift_R
  ask_checker --key-held
  xdotool keyup Shift_R
  while [ "$check_state" != "$good" ]; do
    if ! kill -0 "$pid" 2>/dev/null; then judge_end; return 0; fi
    (( EPOCHSECONDS < deadline )) || fail "the checker says: $check_state ($check_timing)"
    sleep 0.2
    local previous=$check_state previous_timing=$check_timing
    ask_checker
    [[ $previous == *answers=no* && $check_state == "$good" ]] &&
      fail "the program did not answer within 2 s ($previous_timing), then answered again"
  done
  check_reports
  local kb
  kb=$(resident_kb)
  [ -n "$kb" ] || fail "no resident memory figure for process $pid"
  if [ -z "$baseline_kb" ]; then
    baseline_kb=$kb
    [ -n "$first_kb" ] || first_kb=$kb
  fi
  last_kb=$kb
  (( kb - baseline_kb <= growth_kb )) || growth_kb=$(( kb - baseline_kb ))
  (( kb - baseline_kb <= memory_limit_kb )) ||
    fail "resident memory grew from $baseline_kb kB after the first burst to $kb kB" \
         "(allowed: $memory_limit_kb kB)"
  [ "$program" = numlet ] && check_numlet_result
  return 0
}

# ---- the random input -------------------------------------------------------------------

# Characters to type: a third printable ASCII, the rest bytes 128-255 of the ANSI code
# page. random_character puts one in REPLY, and in shown as it is recorded (\xNN above 127).
random_character() {
  local code
  if (( RANDOM % 3 == 0 )); then
    code=$(( 0x20 + RANDOM % 95 ))
  else
    code=$(( 0x80 + RANDOM % 128 ))
  fi
  printf -v shown '\\x%02x' "$code"
  # shellcheck disable=SC2059  # the format is one \x escape
  printf -v REPLY "$shown"
  (( code >= 0x80 )) || shown=$REPLY
}

# Text is typed by the checker, as Unicode key presses into the window that has the
# keyboard: keys mapped on the display for characters above 127 reach a program under
# Wine as other characters, or as none.
type_text() {
  printf '%s' "$1" | wine monkey_check.exe --type >/dev/null 2>&1 ||
    fail "the checker could not type the text"
}

keys=(Tab shift+Tab Return KP_Enter Escape space BackSpace Delete Insert Up Down Left Right
      Home End Prior Next shift+End shift+Home ctrl+a ctrl+c ctrl+v ctrl+x ctrl+z
      F1 F2 F3 F4 F5 F6 F7 F8 F9 F10 F11 F12 shift+F10 alt+F4
      0 1 2 3 4 5 6 7 8 9 plus minus asterisk equal KP_Add KP_Subtract KP_Multiply KP_5 a z)

# A point inside "X Y W H", in point_x and point_y.
random_point() {
  local x y w h
  read -r x y w h <<<"$1"
  point_x=$(( x + RANDOM % (w > 0 ? w : 1) ))
  point_y=$(( y + RANDOM % (h > 0 ? h : 1) ))
  # A window partly off the screen: the part beyond its top or left edge is out of reach.
  (( point_x >= 0 )) || point_x=0
  (( point_y >= 0 )) || point_y=0
}

# One event, drawn from the seeded stream and thrown at once. The draws do not depend on
# the program's state, so a seed gives the same stream of choices on every run.
throw_event() {
  local kind=$(( RANDOM % 100 )) pick=$RANDOM text="" length i
  # A window without controls (none was seen at the last check) is its own target.
  local control=${controls[pick % (${#controls[@]} > 0 ? ${#controls[@]} : 1)]:-$window_rect}
  case $kind in
    [0-9]|[12][0-9])       # a click at a random point of the window
      random_point "$window_rect"
      record "click $point_x $point_y"
      xdotool mousemove "$point_x" "$point_y" mousedown 1 mouseup 1 ;;
    [34][0-9])             # a click on a control
      random_point "$control"
      record "click $point_x $point_y (control)"
      xdotool mousemove "$point_x" "$point_y" mousedown 1 mouseup 1 ;;
    5[0-7])                # a double click on a control
      random_point "$control"
      record "double click $point_x $point_y (control)"
      xdotool mousemove "$point_x" "$point_y" click --repeat 2 --delay 40 1 ;;
    5[89]|[67][0-9])       # a key; Alt+F4 closes the modal form, or the program
      record "key ${keys[pick % ${#keys[@]}]}"
      [ "${keys[pick % ${#keys[@]}]}" = alt+F4 ] && closed_in_burst=1
      xdotool key "${keys[pick % ${#keys[@]}]}" ;;
    *)                     # typed text, now and then a long run of one character
      local shown_text=""
      if (( kind >= 97 )); then
        random_character
        length=$(( 200 + pick % 800 ))
        for (( i = 0; i < length; i++ )); do text+=$REPLY; done
        shown_text="$length x $shown"
      else
        for (( i = 0; i < 1 + pick % 24; i++ )); do
          random_character
          text+=$REPLY
          shown_text+=$shown
        done
      fi
      record "type [$shown_text]"
      type_text "$text" ;;
  esac
}

# ---- the run ----------------------------------------------------------------------------

RANDOM=$seed
first_kb=""
last_kb=""
growth_kb=0
started=$EPOCHSECONDS
start_program
while (( events < event_limit )); do
  (( time_limit == 0 || EPOCHSECONDS - started < time_limit )) || break
  closed_in_burst=0
  for (( b = 0; b < burst_size && events < event_limit; b++ )); do
    throw_event
  done
  check_after_burst
done
echo "monkey $program seed $seed: $events events, $restarts restarts," \
     "resident memory ${first_kb:-?} kB after the first burst, ${last_kb:-?} kB at the end" \
     "(largest growth within one run of the program: $growth_kb kB), $(( EPOCHSECONDS - started )) s"
