# Shared by the install and package scripts; sourced, never run. On top of the end-to-end helpers
# (a script calls run_on_virtual_display "$@" first); the scripts' own windows fit 800x600.
display_size=800x600
source "$(dirname "${BASH_SOURCE[0]}")/../shell/e2e_common.sh"
build=$(dirname "$bin")

# The version the build says it is.
built_version() {
  "$bin/Tavrolin.scr" --version | sed -n 's/^Tavrolin //p'
}

# Runs "$1 /s" (further words go before /s), waits for the ride's window, then presses Esc until
# the whole run has ended (the engine takes its keys only from 2 s of ride time on). The words the
# engine was given are left in $engine_words.
ride_ends_on_escape() {
  local program=$1 engine="" tenth
  shift
  "$program" "$@" /s &
  local ride=$!
  started+=("$ride")
  for tenth in $(seq 200); do
    engine=$(window_titled Tavrolin_VC) && [ -n "$engine" ] && break
    kill -0 "$ride" 2>/dev/null || fail "$program /s ended before its ride showed"
    sleep 0.1
  done
  [ -n "$engine" ] || fail "$program /s showed no ride"
  engine_words=$(tr '\0' ' ' <"/proc/$(pgrep -P "$ride" | head -n 1)/cmdline")
  for tenth in $(seq 300); do
    kill -0 "$ride" 2>/dev/null || break
    xdotool windowfocus --sync "$engine" key Escape 2>/dev/null || true
    sleep 0.1
  done
  kill -0 "$ride" 2>/dev/null && fail "$program /s did not end on Esc"
  local status=0
  wait "$ride" || status=$?
  [ "$status" -eq 0 ] || fail "$program /s ended with status $status"
}
