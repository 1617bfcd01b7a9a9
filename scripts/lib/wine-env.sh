# Sourced by scripts/test, scripts/run and scripts/screenshot: a display and private
# Wine prefixes inside build/, one for 32-bit programs and one for 64-bit programs, and a
# way to stop exactly what was started here.

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

# use_wine win32|win64: the prefix that the following Wine commands use. A 32-bit prefix
# cannot start a PE32+ program, so the 64-bit tree has a 64-bit prefix of its own. A screen
# of another DPI than 96 (FENWIX_DPI) has prefixes of its own too, and so has each lane of
# tests run beside another on the same tree (FENWIX_WINE_LANE).
use_wine() {
  case "$1" in
    win32) export WINEPREFIX="$root/build/wineprefix" ;;
    win64) export WINEPREFIX="$root/build/wineprefix64" ;;
    *) echo "use_wine: expected win32 or win64, got '$1'" >&2; return 1 ;;
  esac
  [ "${FENWIX_DPI:-96}" = 96 ] || WINEPREFIX="$WINEPREFIX-${FENWIX_DPI}dpi"
  [ -z "${FENWIX_WINE_LANE:-}" ] || WINEPREFIX="$WINEPREFIX-$FENWIX_WINE_LANE"
  export WINEARCH=$1
}
# A script sourced inside a test run keeps the prefix of that run.
use_wine "${WINEARCH:-win32}"

started_xvfbs=()        # each Xvfb started here
started_wineservers=()  # "pid prefix" of each Wine server started here

# start_display [new]: the display in DISPLAY, else a private Xvfb started here; with "new",
# a private one in any case. Xvfb takes the first free display number itself, so two
# scripts started at once never share one.
start_display() {
  [ "${1:-}" != new ] && [ -n "${DISPLAY:-}" ] && return 0
  local number_file n=""
  number_file=$(mktemp)
  # A key that xdotool holds longer than the repeat delay, on a busy machine, would type
  # twice: the server's own repeat waits a minute.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -ardelay 60000 3>"$number_file" \
    >/dev/null 2>&1 &
  started_xvfbs+=($!)
  for _ in $(seq 100); do
    read -r n <"$number_file" || true
    [ -n "$n" ] && break
    sleep 0.1
  done
  rm -f "$number_file"
  [ -n "$n" ] || { echo "Xvfb did not start" >&2; return 1; }
  export DISPLAY=":$n"
}

# make_prefix [win32|win64]: makes the prefix once; without an argument, the one in use.
make_prefix() {
  [ $# -eq 0 ] || use_wine "$1"
  [ -f "$WINEPREFIX/.fenwix-ready" ] && return 0
  mkdir -p "$root/build"
  rm -rf "$WINEPREFIX"
  wineboot --init >/dev/null 2>&1 || true
  # Arial and Courier New are not shipped with Wine; map them to their metric twins.
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Arial' /t REG_SZ /d 'Liberation Sans' /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Courier New' /t REG_SZ /d 'Liberation Mono' /f >/dev/null 2>&1
  # Both GetDeviceCaps(LOGPIXELSX) and GetDpiForWindow answer this.
  if [ "${FENWIX_DPI:-96}" != 96 ]; then
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$FENWIX_DPI" /f >/dev/null 2>&1
  fi
  wineserver -w
  touch "$WINEPREFIX/.fenwix-ready"
}

# start_wine [win32|win64]: makes the prefix when needed and starts its Wine server;
# without an argument, for the prefix in use.
start_wine() {
  make_prefix "$@"
  # A persistent wineserver keeps every test program's start-up short.
  # Started in the foreground so that $! is the server itself, which stop_started ends.
  wineserver -f -p >/dev/null 2>&1 &
  started_wineservers+=("$! $WINEPREFIX")
  local dir
  dir="/tmp/.wine-$(id -u)/server-$(stat -c '%d' "$WINEPREFIX" | xargs printf '%x')-$(stat -c '%i' "$WINEPREFIX" | xargs printf '%x')"
  for _ in $(seq 100); do
    [ -S "$dir/socket" ] && break
    sleep 0.05
  done
  # The first program of a session starts Wine's own services, which inherit its output
  # and would keep a test runner's pipe open: start them here, on /dev/null.
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}

stop_started() {
  local server pid prefix
  for server in "${started_wineservers[@]}"; do
    read -r pid prefix <<<"$server"
    WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  started_wineservers=()
  for pid in "${started_xvfbs[@]}"; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  started_xvfbs=()
}
