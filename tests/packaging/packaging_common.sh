# Shared by the install and package scripts; sourced, never run. A script calls
#   on_virtual_display "$@"
# first, so every window it opens goes with a private display of its own.
set -euo pipefail

bin=$(cd "$1" && pwd)
build=$(dirname "$bin")
scripts=${TAVROLIN_SCRIPTS:?}

on_virtual_display() {
  if [ -z "${TAVROLIN_E2E_INNER:-}" ]; then
    TAVROLIN_E2E_INNER=1 exec "$scripts/with-xvfb" --size 800x600 bash "$0" "$@"
  fi
}

work=$(mktemp -d)
ride=""
cleanup() {
  [ -z "$ride" ] || kill "$ride" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config
mkdir -p "$HOME" "$work/runtime"
chmod 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime

fail() { echo "FAIL: $*" >&2; exit 1; }

# The version the build says it is.
built_version() {
  "$bin/Tavrolin.scr" --version | sed -n 's/^Tavrolin //p'
}

# Runs "$1 /s", waits for the ride's window, then presses Esc until the whole run has ended (the
# engine takes its keys only from 2 s of ride time on).
ride_ends_on_escape() {
  local program=$1 engine="" tenth
  "$program" /s &
  ride=$!
  for tenth in $(seq 200); do
    engine=$(xdotool search --name '^Tavrolin_VC$' 2>/dev/null | head -n 1) && [ -n "$engine" ] && break
    kill -0 "$ride" 2>/dev/null || fail "$program /s ended before its ride showed"
    sleep 0.1
  done
  [ -n "$engine" ] || fail "$program /s showed no ride"
  for tenth in $(seq 300); do
    kill -0 "$ride" 2>/dev/null || break
    xdotool windowfocus --sync "$engine" key Escape 2>/dev/null || true
    sleep 0.1
  done
  kill -0 "$ride" 2>/dev/null && fail "$program /s did not end on Esc"
  local status=0
  wait "$ride" || status=$?
  ride=""
  [ "$status" -eq 0 ] || fail "$program /s ended with status $status"
}
