# shellcheck shell=bash
# Drives numlet.exe from outside, as a user does: starts it under Wine, finds its window,
# clicks its keys with the real pointer or types on the keyboard (xdotool) and reads its
# display from the screen (ImageMagick). Every wait polls a condition and is bounded.
# Sourced by the e2e scripts, after numlet_model.sh, whose model follows every key pressed
# here.

# Where each key sits on the form, "x y width height"; the form fills the main window's
# client area from its top left corner.
declare -A key_box=(
  ["C/CE"]="122 60 80 35"
  ["7"]="32 110 35 35" ["8"]="77 110 35 35" ["9"]="122 110 35 35" ["*"]="167 110 35 35"
  ["4"]="32 155 35 35" ["5"]="77 155 35 35" ["6"]="122 155 35 35" ["-"]="167 155 35 35"
  ["1"]="32 200 35 35" ["2"]="77 200 35 35" ["3"]="122 200 35 35" ["+"]="167 200 35 35"
  ["0"]="32 250 80 35" ["="]="122 250 80 35"
)

# The screen's DPI (FENWIX_DPI, 96 unless told): every place above is at 96 DPI, and the
# library scales edges to the screen's pixels, rounding halves up, as done here.
dpi=${FENWIX_DPI:-96}
scaled() { REPLY=$(( ($1 * dpi + 48) / 96 )); }
scaled_crop() {
  local x y w h left top right bottom
  read -r x y w h <<<"$1"
  scaled "$x"; left=$REPLY
  scaled "$y"; top=$REPLY
  scaled $(( x + w )); right=$REPLY
  scaled $(( y + h )); bottom=$REPLY
  REPLY="$(( right - left ))x$(( bottom - top ))+$left+$top"
}
scaled_crop "5 20 230 30"
display_crop=$REPLY

wait_limit_ms=15000     # for anything the program should do at once
start_limit_ms=60000    # the first program of a Wine session also starts Wine's services
exit_limit_ms=10000
settle_ms=100           # a display counts as shown once it has stayed for this long

numlet_pid=""
numlet_window=""
artifacts=""
failure_count=0
declare -A reference=()   # display text -> picture of the display showing it

now_ms() { now=$(( ${EPOCHREALTIME/./} / 1000 )); }

# Progress lines carry the seconds since the driver started.
note() {
  now_ms
  local tenths=$(( (now - driver_started) / 100 ))
  printf -- '-- %4d.%d s  %s\n' $(( tenths / 10 )) $(( tenths % 10 )) "$*"
}

# Says what went wrong and where its pictures are, then stops the script; the exit trap
# ends the program.
fail() {
  echo "FAIL: $*" >&2
  echo "      pictures of the failure are in $artifacts" >&2
  exit 1
}

# Run by CTest, the script uses the display and Wine server of the test run. Run by hand
# without a display, it starts its own Xvfb and Wine server, as scripts/test does.
driver_init() {
  [ -n "${FENWIX_BIN:-}" ] || { echo "FAIL: FENWIX_BIN is not set" >&2; exit 1; }
  [ -f "$FENWIX_BIN/numlet.exe" ] || { echo "FAIL: no numlet.exe in $FENWIX_BIN" >&2; exit 1; }
  artifacts="$(cd "$FENWIX_BIN/.." && pwd)/e2e-artifacts/$1"
  rm -rf "$artifacts"
  mkdir -p "$artifacts/work"
  # shellcheck source=../../scripts/lib/wine-env.sh
  source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/wine-env.sh"
  trap driver_cleanup EXIT
  if [ -z "${DISPLAY:-}" ]; then
    start_display
    start_wine
  elif [ "$dpi" != 96 ]; then
    start_wine  # the prefix of that DPI, beside the run's own
  fi
  now_ms
  driver_started=$now
}

# Ends only the program this script started, then the display and Wine server if it
# started them.
driver_cleanup() {
  if [ -n "$numlet_pid" ] && kill -0 "$numlet_pid" 2>/dev/null; then
    kill "$numlet_pid" 2>/dev/null || true
    wait "$numlet_pid" 2>/dev/null || true
  fi
  stop_started
}

# The pictures kept while working are of no use once everything passed.
driver_finish() {
  rm -rf "$artifacts/work"
}

# ---- the program ----------------------------------------------------------------------

numlet_start() {
  (cd "$FENWIX_BIN" && exec wine numlet.exe) >>"$artifacts/numlet-output.txt" 2>&1 &
  numlet_pid=$!
  local deadline code
  now_ms; deadline=$(( now + start_limit_ms ))
  numlet_window=""
  while [ -z "$numlet_window" ]; do
    if ! kill -0 "$numlet_pid" 2>/dev/null; then
      wait "$numlet_pid" && code=0 || code=$?
      numlet_pid=""
      fail "numlet.exe ended with code $code before its window \"Numlet v1.0\" appeared"
    fi
    # Both conditions: Wine also gives the process an input-method window.
    numlet_window=$(xdotool search --all --pid "$numlet_pid" --name '^Numlet v1\.0$' 2>/dev/null |
                    head -n 1 || true)
    now_ms
    (( now < deadline )) || fail "no window named \"Numlet v1.0\" within $(( start_limit_ms / 1000 )) s"
    [ -n "$numlet_window" ] || sleep 0.1
  done
  local -A geometry=()
  local name value
  while IFS='=' read -r name value; do
    geometry[$name]=$value
  done < <(xdotool getwindowgeometry --shell "$numlet_window")
  window_right=$(( ${geometry[X]:-0} + ${geometry[WIDTH]:-0} ))
  note "numlet.exe started: client area ${geometry[WIDTH]:-?}x${geometry[HEIGHT]:-?}" \
       "at (${geometry[X]:-?},${geometry[Y]:-?}) on the screen"
  wait_first_paint
}

# Under Wine without a window manager the X window of a top-level window is its client
# area, so window-relative pointer positions and crops are form coordinates. The colours
# of the form and of the coloured keys at their declared places prove it.
check_layout() {
  local picture="$artifacts/layout.png" probe name x y want got
  import -silent -window "$numlet_window" "$picture" ||
    fail "could not take a picture of the window"
  # Form background between the keys, inside the display, and each coloured key's face
  # inside its raised edge, clear of its caption.
  for probe in "form 15 100 DFDFDF" "display 12 26 FFFFFF" "C/CE 128 66 00FF00" \
               "* 173 116 00FFFF" "- 173 161 00FFFF" "+ 173 206 00FFFF" "= 128 256 FF0000"; do
    read -r name x y want <<<"$probe"
    scaled "$x"; x=$REPLY
    scaled "$y"; y=$REPLY
    got=$(convert "$picture" -depth 8 -format "%[hex:p{$x,$y}]" info:)
    [ "$got" = "$want" ] ||
      fail "layout: expected colour $want for $name at ($x,$y) of the client area, got $got (see layout.png)"
  done
}

# Closes the main window as a user does, with Alt+F4, and expects the process to end with
# code 0.
numlet_close() {
  focus_numlet
  xdotool key alt+F4
  local deadline code
  now_ms; deadline=$(( now + exit_limit_ms ))
  while kill -0 "$numlet_pid" 2>/dev/null; do
    now_ms
    (( now < deadline )) || fail "numlet.exe still runs $(( exit_limit_ms / 1000 )) s after Alt+F4 on its main window"
    sleep 0.05
  done
  wait "$numlet_pid" && code=0 || code=$?
  numlet_pid=""
  [ "$code" -eq 0 ] || fail "numlet.exe ended with code $code after its window was closed, expected 0"
  note "closed with Alt+F4, exit code 0"
}

# ---- the pointer ----------------------------------------------------------------------

# The centre of a key in key_x and key_y, moved by an optional offset.
key_point() {
  local box=${key_box[$1]:-}
  [ -n "$box" ] || fail "no key named \"$1\""
  local x y w h
  read -r x y w h <<<"$box"
  scaled $(( x + w / 2 + ${2:-0} )); key_x=$REPLY
  scaled $(( y + h / 2 + ${3:-0} )); key_y=$REPLY
}

# One click on a key, a few pixels off its centre when asked. xdotool's own "click" holds
# the button for a tenth of a second; pressing and releasing here keeps the pace ours.
click_key() {
  key_point "$@"
  xdotool mousemove --window "$numlet_window" "$key_x" "$key_y" mousedown 1 mouseup 1
}

# Clicks keys one every pace_ms, each held down for 20 ms as a finger does, in one xdotool
# run so that the pace is not that of starting a process per click.
click_keys_at_pace() {
  local pace_ms=$1 key args=()
  shift
  for key in "$@"; do
    key_point "$key"
    [ ${#args[@]} -gt 0 ] && args+=(sleep "$(printf '0.%03d' $(( pace_ms - 20 )))")
    args+=(mousemove --window "$numlet_window" "$key_x" "$key_y" mousedown 1 sleep 0.02 mouseup 1)
    model_press "$key"
  done
  xdotool "${args[@]}"
}

# ---- the keyboard ---------------------------------------------------------------------

# Wine gives a window the keyboard only once the pointer has entered it, so the pointer
# goes out (to the right of the window) and back in over the title.
focus_numlet() {
  xdotool mousemove $(( window_right + 20 )) 10 mousemove --window "$numlet_window" 120 8
}

# The calculator key that a key of the keyboard (by its xdotool name) stands for, in REPLY.
key_of_keysym() {
  case "$1" in
    [0-9]) REPLY=$1 ;;
    KP_[0-9]) REPLY=${1#KP_} ;;
    plus|KP_Add) REPLY="+" ;;
    minus|KP_Subtract) REPLY="-" ;;
    asterisk|KP_Multiply) REPLY="*" ;;
    equal|Return|KP_Enter) REPLY="=" ;;
    Escape|Delete) REPLY="C/CE" ;;
    BackSpace) REPLY=Backspace ;;
    *) fail "internal: no calculator key for the keyboard's $1" ;;
  esac
}

# The main row's key for a calculator key, in REPLY.
keysym_of_key() {
  case "$1" in
    [0-9]) REPLY=$1 ;;
    +) REPLY=plus ;;
    -) REPLY=minus ;;
    "*") REPLY=asterisk ;;
    =) REPLY=equal ;;
    C/CE) REPLY=Escape ;;
    Backspace) REPLY=BackSpace ;;
    *) fail "internal: no key of the keyboard for the calculator's $1" ;;
  esac
}

# Types keys of the keyboard one every pace_ms, in one xdotool run, and follows them in
# the model.
type_keysyms_at_pace() {
  local pace_ms=$1 keysym
  shift
  for keysym in "$@"; do
    key_of_keysym "$keysym"
    model_press "$REPLY"
  done
  xdotool key --delay "$pace_ms" "$@"
}

# ---- the display ----------------------------------------------------------------------

grab_display() {
  import -silent -window "$numlet_window" -crop "$display_crop" +repage "ppm:$1" 2>/dev/null && return 0
  if ! kill -0 "$numlet_pid" 2>/dev/null; then
    local code
    wait "$numlet_pid" && code=0 || code=$?
    numlet_pid=""
    fail "numlet.exe ended unexpectedly with code $code"
  fi
  fail "could not take a picture of the display"
}

# Saves what was seen and what was expected as PNG files named after the failure.
keep_pictures() {
  local name=$1 seen=$2 expected=${3:-}
  failure_count=$(( failure_count + 1 ))
  local stem
  stem="$artifacts/$(printf '%02d' "$failure_count")-${name//[^A-Za-z0-9]/_}"
  convert "$seen" "$stem-seen.png"
  [ -n "$expected" ] && convert "$expected" "$stem-expected.png"
  import -silent -window "$numlet_window" "$stem-window.png" 2>/dev/null || true
  # The whole screen shows what the window does not: an error message box, for one.
  import -silent -window root "$stem-screen.png" 2>/dev/null || true
  REPLY=$stem
}

# The text whose reference picture is exactly `picture`, in REPLY; empty when none is.
text_of_picture() {
  local text
  for text in "${!reference[@]}"; do
    if cmp -s "$1" "${reference[$text]}"; then REPLY=$text; return 0; fi
  done
  REPLY=""
}

# Waits until the display shows exactly the picture of `text` and keeps it for settle_ms.
# `what` says which keys led there, for the failure message.
expect_display() {
  local text=$1 what=$2 shot="$artifacts/work/current.ppm" first="" deadline differing
  local picture=${reference[$text]:-}
  [ -n "$picture" ] || fail "internal: no reference picture for \"$text\""
  now_ms; deadline=$(( now + wait_limit_ms ))
  while :; do
    grab_display "$shot"
    now_ms
    if cmp -s "$shot" "$picture"; then
      [ -n "$first" ] || first=$now
      (( now - first >= settle_ms )) && return 0
    else
      first=""
      if (( now >= deadline )); then
        differing=$(compare -metric AE "$shot" "$picture" null: 2>&1 || true)
        text_of_picture "$shot"
        local seen=${REPLY:+\"$REPLY\"}
        keep_pictures "$what" "$shot" "$picture"
        fail "$what: expected the display to show \"$text\", got ${seen:-a picture of no known text}" \
             "($differing pixels differ; $(basename "$REPLY")-seen.png against -expected.png)"
      fi
    fi
  done
}

# Waits for the display to change from the picture `before`, then to stay unchanged for
# settle_ms; the picture it settles on is left in `after`.
await_display_change() {
  local before=$1 after=$2 what=$3 deadline first=""
  local shot="$artifacts/work/change.ppm"
  now_ms; deadline=$(( now + wait_limit_ms ))
  while :; do
    grab_display "$shot"
    now_ms
    if ! cmp -s "$shot" "$before"; then
      if [ -n "$first" ] && cmp -s "$shot" "$after"; then
        (( now - first >= settle_ms )) && return 0
      else
        cp "$shot" "$after"
        first=$now
      fi
    fi
    if (( now >= deadline )); then
      keep_pictures "$what" "$shot"
      if [ -n "$first" ]; then
        fail "$what: the display changed but never kept one picture for $settle_ms ms"
      fi
      fail "$what: expected the display to change, it kept showing the same picture"
    fi
  done
}

# The program draws the display once at start-up, and a blank or half-drawn display would
# make a poor picture of "0": wait for white with dark text in it, unchanged for settle_ms.
wait_first_paint() {
  local shot="$artifacts/work/start.ppm" last="$artifacts/work/start-last.ppm"
  local deadline first="" range
  now_ms; deadline=$(( now + wait_limit_ms ))
  : >"$last"
  while :; do
    grab_display "$shot"
    now_ms
    if cmp -s "$shot" "$last"; then
      range=$(convert "$shot" -colorspace gray -format '%[fx:minima<0.5 && maxima==1]' info:)
      [ "$range" = 1 ] && (( now - first >= settle_ms )) && break
    else
      cp "$shot" "$last"
      first=$now
    fi
    if (( now >= deadline )); then
      keep_pictures "start-up" "$shot"
      fail "start-up: the display never showed dark text on white"
    fi
  done
  # The first start's picture is the reference for "0"; later starts must look the same.
  if [ -z "${reference[0]:-}" ]; then
    reference[0]="$artifacts/work/ref-0.ppm"
    cp "$shot" "${reference[0]}"
  else
    cmp -s "$shot" "${reference[0]}" || {
      keep_pictures "start-up" "$shot" "${reference[0]}"
      fail "start-up: the display differs from the one at the first start (expected \"0\")"
    }
  fi
}

# ---- references ------------------------------------------------------------------------

# Records `picture` as the display of `text`, or, when one was recorded before, checks that
# it is the same. A new picture must differ from the picture of every other text.
learn_reference() {
  local text=$1 picture=$2 what=$3 other
  if [ -n "${reference[$text]:-}" ]; then
    cmp -s "$picture" "${reference[$text]}" && return 0
    keep_pictures "$what" "$picture" "${reference[$text]}"
    fail "$what: the display of \"$text\" looks different from before"
  fi
  for other in "${!reference[@]}"; do
    if cmp -s "${reference[$other]}" "$picture"; then
      keep_pictures "$what" "$picture" "${reference[$other]}"
      fail "$what: the display of \"$text\" looks the same as that of \"$other\""
    fi
  done
  reference[$text]="$artifacts/work/ref-${#reference[@]}.ppm"
  cp "$picture" "${reference[$text]}"
}

# Clicks keys one at a time and, for each key that the model says changes the display,
# waits for the display to change and settle; keys that change nothing are confirmed by
# the next key that does, since the program handles clicks in order. While the keys are
# C/CE and digits, every display met is the reference of its text. The same key twice in a
# row is clicked a few pixels apart, so that no click here is a double-click.
type_keys_in_step() {
  local what=$1 key previous="" shown offset=0 digits_only=0
  local before="$artifacts/work/step-before.ppm" after="$artifacts/work/step-after.ppm"
  shift
  grab_display "$before"
  for key in "$@"; do
    # shellcheck disable=SC2154  # the model's state comes from numlet_model.sh
    shown=$model_display
    model_press "$key"
    if [ "$key" = "$previous" ]; then offset=$(( offset == 0 ? 6 : -offset )); else offset=0; fi
    click_key "$key" "$offset" 0
    previous=$key
    if [ "$key" = "C/CE" ]; then
      expect_display 0 "$what (C/CE)"
      grab_display "$before"
      digits_only=1
      continue
    fi
    [[ $key == [0-9] ]] || digits_only=0
    if [ "$model_display" != "$shown" ]; then
      await_display_change "$before" "$after" "$what (key $key)"
      cp "$after" "$before"
      if (( digits_only )); then learn_reference "$model_display" "$before" "$what"; fi
    fi
  done
}

# The keys that put `text` on the display from a cleared calculator, in REPLY: its digits,
# or for a negative number 0 minus its magnitude (the lowest, whose magnitude cannot be
# typed, is 0 minus 2147483647 minus 1).
reference_route() {
  local text=$1 magnitude=${1#-} digits="" i
  for (( i = 0; i < ${#magnitude}; i++ )); do digits+=" ${magnitude:i:1}"; done
  case "$text" in
    -2147483648) REPLY="C/CE - 2 1 4 7 4 8 3 6 4 7 - 1 =" ;;
    -*) REPLY="C/CE -$digits =" ;;
    *) REPLY="C/CE$digits" ;;
  esac
}

# Makes sure a picture of the display showing `text` exists, typing its route if needed.
need_reference() {
  local text=$1 route keys
  [ -n "${reference[$text]:-}" ] && return 0
  reference_route "$text"
  route=$REPLY
  read -r -a keys <<<"$route"
  type_keys_in_step "reference \"$text\" ($route)" "${keys[@]}"
  [ "$model_display" = "$text" ] ||
    fail "internal: the route $route leads the model to \"$model_display\", not \"$text\""
  learn_reference "$text" "$artifacts/work/step-before.ppm" "reference \"$text\" ($route)"
}

# References for every display the keys would show from the current state. Longer texts
# first: typing one makes the references of all its leading digits on the way.
need_references_for() {
  local texts text
  mapfile -t texts < <(model_preview "$@" | sort -u | awk '{ print length($0), $0 }' | sort -rn | cut -d' ' -f2)
  for text in "${texts[@]}"; do
    need_reference "$text"
  done
}
