#!/usr/bin/env bash
# The real engine on a virtual display: its window, the keys that end it and the ones that don't.
set -euo pipefail
bin=$1
scripts=${TAVROLIN_SCRIPTS:?}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work XDG_CONFIG_HOME=$work/.config

source "$(dirname "${BASH_SOURCE[0]}")/../support/script_helpers.sh"

# Where the pointer is, as "X Y".
pointer_at() { xdotool getmouselocation --shell | awk -F= '/^[XY]=/ { printf "%s ", $2 }' | sed 's/ $//'; }

early_exit_waits_for_the_fade_in() {
  xdotool mousemove 5 5
  local launched=${EPOCHREALTIME/./}
  "$bin/Tavrolin.dll" & local ride=$!
  local window
  window=$(wait_for_window Tavrolin_VC 100) || fail "no Tavrolin_VC window"
  local geometry
  geometry=$(xwininfo -id "$window")
  grep -q 'Absolute upper-left X:  0' <<<"$geometry" || fail "window not at x 0"
  grep -q 'Absolute upper-left Y:  0' <<<"$geometry" || fail "window not at y 0"
  grep -q 'Width: 1280' <<<"$geometry" || fail "window not screen wide"
  grep -q 'Height: 720' <<<"$geometry" || fail "window not screen high"
  until_within '[ "$(pointer_at)" = "640 360" ]' 50 || fail "pointer at $(pointer_at), not in the middle of the window"

  # Keys other than Esc/Q/q and the mouse never end the ride.
  xdotool mousemove 100 100 click 1 mousemove 600 300 key a key space key Return key w 2>/dev/null
  xdotool key q
  gone_within "$ride" 60 || { kill "$ride"; fail "q pressed early did not end the ride at 2 s"; }
  # Ride time starts after the launch, so a ride that ends correctly has lasted 2 s of wall time.
  local lasted=$(( (${EPOCHREALTIME/./} - launched) / 1000 ))
  [ "$lasted" -ge 2000 ] || fail "q ended the ride after $lasted ms, before 2 seconds of ride time"
  wait "$ride" || fail "engine exit status $?"
}

ride_shows_the_ribbon_and_ends_on_escape() {
  "$bin/Tavrolin.dll" & local ride=$!
  wait_for_window Tavrolin_VC 100 >/dev/null || fail "no Tavrolin_VC window"
  sleep 3
  xdotool mousemove 10 10 key x 2>/dev/null
  sleep 0.5
  kill -0 "$ride" 2>/dev/null || fail "ride ended without Esc/Q/q"
  import -window root "$work/ride.png"
  local lit
  lit=$(convert "$work/ride.png" -colorspace Gray -threshold 30% -format '%[fx:mean]' info:)
  awk -v lit="$lit" 'BEGIN { exit !(lit > 0.0005) }' || fail "no glowing ribbon on screen (lit fraction $lit)"
  xdotool key Escape
  gone_within "$ride" 30 || { kill "$ride"; fail "Esc did not end the ride"; }
  wait "$ride" || fail "engine exit status $?"
}

# Managers and the shell stop the engine by signal; its parent then sees that signal.
stop_signals_end_the_ride_by_that_signal() {
  local signal status
  for signal in TERM INT HUP; do
    "$bin/Tavrolin.dll" & local ride=$!
    wait_for_window Tavrolin_VC 100 >/dev/null || fail "no Tavrolin_VC window"
    kill -"$signal" "$ride"
    reaped_within "$ride" 50 || { kill -KILL "$ride"; fail "SIG$signal did not end the ride"; }
    status=$ended_status
    [ "$status" -eq $((128 + $(kill -l "$signal"))) ] || fail "after SIG$signal the engine ended with status $status"
  done
}

# Whatever the engine cannot take: one line pointing at --help, status 2, no window.
misuse_is_refused_and_a_huge_monitor_bounded() {
  local words status
  for words in "stray" "-display :0" "--scale 3 --scale 3" "--speed 12" "--x11 --wayland" \
    "--output HEADLESS-1" "--background" "--window-id 0x10 --wayland"; do
    status=0
    timeout 10 "$bin/Tavrolin.dll" $words 2>"$work/misuse" || status=$?
    [ "$status" = 2 ] || fail "'$words': status $status, not 2"
    [ "$(wc -l <"$work/misuse")" = 1 ] && grep -q -- --help "$work/misuse" || fail "'$words': $(cat "$work/misuse")"
  done
  "$bin/Tavrolin.dll" --monitor 0,0,32767,32767 & local ride=$!
  local window
  window=$(wait_for_window Tavrolin_VC 100) || fail "no window for a monitor larger than the screen"
  xwininfo -id "$window" | grep -q 'Width: 1280' || fail "a monitor larger than the screen is not bounded by it"
  kill -TERM "$ride"
  gone_within "$ride" 50 || { kill -KILL "$ride"; fail "SIGTERM did not end the huge ride"; }
  status=0
  wait "$ride" || status=$?
  [ "$status" = 143 ] || fail "huge monitor: status $status, not 143"
}

upper_case_q_ends_the_ride_after_the_fade_in() {
  local launched=${EPOCHREALTIME/./}
  "$bin/Tavrolin.dll" & local ride=$!
  wait_for_window Tavrolin_VC 100 >/dev/null || fail "no Tavrolin_VC window"
  # Ride time starts after the launch: 3 s of wall time are past its 2 s fade-in.
  until [ $(( (${EPOCHREALTIME/./} - launched) / 1000 )) -ge 3000 ]; do sleep 0.1; done
  kill -0 "$ride" 2>/dev/null || fail "ride ended without Esc/Q/q"
  xdotool key Q
  gone_within "$ride" 30 || { kill "$ride"; fail "Q did not end the ride"; }
  wait "$ride" || fail "engine exit status $?"
}

export -f fail gone_within reaped_within until_within output_within window_titled wait_for_window pointer_at \
  early_exit_waits_for_the_fade_in ride_shows_the_ribbon_and_ends_on_escape stop_signals_end_the_ride_by_that_signal \
  upper_case_q_ends_the_ride_after_the_fade_in misuse_is_refused_and_a_huge_monitor_bounded
export bin work
"$scripts/with-xvfb" --size 1280x720 bash -c 'set -euo pipefail; early_exit_waits_for_the_fade_in;
  ride_shows_the_ribbon_and_ends_on_escape; stop_signals_end_the_ride_by_that_signal;
  upper_case_q_ends_the_ride_after_the_fade_in; misuse_is_refused_and_a_huge_monitor_bounded'
# An X server without GLX: one line, status 1.
status=0
"$scripts/with-xvfb" --no-glx "$bin/Tavrolin.dll" 2>"$work/no-glx" || status=$?
[ "$status" = 1 ] || fail "without GLX: status $status, not 1"
[ "$(wc -l <"$work/no-glx")" = 1 ] && grep -q GLX "$work/no-glx" || fail "without GLX: $(cat "$work/no-glx")"
echo "engine run: 6 passed, 0 failed"
