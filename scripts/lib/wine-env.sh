# Sourced by scripts/test, scripts/run and scripts/screenshot: a display and a private
# Wine prefix inside build/, and a way to stop exactly what was started here.

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
export WINEPREFIX="$root/build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win32

started_xvfb=""
started_wineserver=""

start_display() {
  [ -n "${DISPLAY:-}" ] && return 0
  local n
  for n in $(seq 90 120); do
    [ -e "/tmp/.X${n}-lock" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    started_xvfb=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do
      [ -S "/tmp/.X11-unix/X$n" ] && return 0
      sleep 0.1
    done
    return 0
  done
  echo "no free display number for Xvfb" >&2
  return 1
}

start_wine() {
  mkdir -p "$root/build"
  if [ ! -f "$WINEPREFIX/.fenwix-ready" ]; then
    rm -rf "$WINEPREFIX"
    wineboot --init >/dev/null 2>&1 || true
    # Arial and Courier New are not shipped with Wine; map them to their metric twins.
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Arial' /t REG_SZ /d 'Liberation Sans' /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Courier New' /t REG_SZ /d 'Liberation Mono' /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.fenwix-ready"
  fi
  # A persistent wineserver keeps every test program's start-up short.
  # Started in the foreground so that $! is the server itself, which stop_started ends.
  wineserver -f -p >/dev/null 2>&1 &
  started_wineserver=$!
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
  if [ -n "$started_wineserver" ]; then
    wineserver -k >/dev/null 2>&1 || true
    kill "$started_wineserver" 2>/dev/null || true
    wait "$started_wineserver" 2>/dev/null || true
  fi
  if [ -n "$started_xvfb" ]; then
    kill "$started_xvfb" 2>/dev/null || true
    wait "$started_xvfb" 2>/dev/null || true
  fi
}
