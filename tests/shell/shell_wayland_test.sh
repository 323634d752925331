#!/usr/bin/env bash
# The shell on native Wayland, with no X display: a ride per output under headless sway, the
# wallpaper under a window, the idle daemon's start and stop, and the ways it cannot start. (An
# early Esc held until 2 s is the engine's own, tested with the engine.)
source "$(dirname "$0")/e2e_common.sh"
source "$scripts/wayland-compositors.sh"
# An X display beside the compositors, for the mixed session's case alone.
run_on_virtual_display "$@"
x_display=$DISPLAY
unset DISPLAY

trap 'stop_compositor; cleanup' EXIT

# Music through a sound server of the test's own, so that it is heard once whatever the outputs.
start_private_pulse "$work/pulse"
gst-launch-1.0 -q audiotestsrc num-buffers=86 ! wavenc ! filesink location="$work/loop.wav" >/dev/null 2>&1 ||
  fail "cannot make the test sound"
"$bin/tavrolin_put_setting" BgmKind 2 && "$bin/tavrolin_put_setting" BgmFile "$work/loop.wav" || fail "cannot set music"

# A fresh headless sway with $1 outputs of 1280x720 for each case.
on_sway() {
  stop_compositor
  start_sway "$work/compositor" 1280x720 "$1" || fail "headless sway did not start"
}

# True once none is left, waiting up to $1 tenths of a second.
none_left_within() { until_within '[ -z "$(live_on_compositor)" ]' "$1"; }

# The outputs the live engines ride on, sorted, once there are $1 of them (up to $2 tenths).
engines_on_outputs() {
  local tenth outputs=""
  for tenth in $(seq "$2"); do
    outputs=$(live_on_compositor | awk '$2 == "Tavrolin.dll" { print $1 }' |
      while read -r pid; do { tr '\0' '\n' <"/proc/$pid/cmdline"; } 2>/dev/null | awk 'after == "--output" { print } { after = $0 }'; done |
      sort | xargs)
    [ "$(wc -w <<<"$outputs")" -eq "$1" ] && break
    sleep 0.1
  done
  echo "$outputs"
}

a_ride_on_each_output_and_a_new_one_ended_by_one_key() {
  on_sway 2
  start_shell /s
  local shell=$shell_pid started_at=$SECONDS
  [ "$(engines_on_outputs 2 150)" = "HEADLESS-1 HEADLESS-2" ] || fail "rides on: '$(engines_on_outputs 2 1)'"
  wait_for_playing_streams 1 50 || fail "no music heard during the ride"
  planet_in_the_middle_of HEADLESS-1 80 || fail "no planet in the middle of HEADLESS-1"
  planet_in_the_middle_of HEADLESS-2 80 || fail "no planet in the middle of HEADLESS-2"
  # A second start while the ride goes ends at once and starts nothing.
  timeout 5 "$bin/Tavrolin.scr" /s || fail "a second start did not end at once ($?)"
  [ "$(engines_on_outputs 2 1)" = "HEADLESS-1 HEADLESS-2" ] || fail "a second start changed the rides"
  # An output that comes during the ride gets one.
  swaymsg -q create_output
  [ "$(engines_on_outputs 3 150)" = "HEADLESS-1 HEADLESS-2 HEADLESS-3" ] || fail "no ride on a new output"
  while [ $((SECONDS - started_at)) -lt 3 ]; do sleep 0.2; done
  kill -0 "$shell" 2>/dev/null || fail "the shell ended during the ride"
  wtype -s 1500 -k Escape
  none_left_within 10 || fail "left running 1 s after Esc: $(live_on_compositor)"
  [ -z "$(pointer_requests)" ] || fail "X pointer requests on Wayland: '$(pointer_requests)'"
}

a_wallpaper_rides_around_a_window_and_ends_on_sigterm() {
  on_sway 1
  swaymsg -q 'for_window [title="grey"] "floating enable, resize set 400 300, move position 440 210"'
  "$bin/tavrolin_test_window" window grey 400x300 >/dev/null 2>&1 &
  started+=("$!")
  start_shell --background
  local attempt shows=""
  for attempt in $(seq 80); do
    grim "$work/background.png" 2>/dev/null || true
    # The window keeps its grey; the rest is black space with a bright track or stars.
    if above "$(fraction "$work/background.png" 380x280+450+220 'abs(r - 0.502) < 0.02 ? 1 : 0')" 0.99 &&
      above "$(fraction "$work/background.png" 1280x720+0+0 'intensity > 0.6 ? 1 : 0')" 0.0005 &&
      above "$(fraction "$work/background.png" 1280x720+0+0 'intensity < 0.1 ? 1 : 0')" 0.5; then
      shows=yes
      break
    fi
    sleep 0.5
  done
  [ -n "$shows" ] || fail "the wallpaper did not show around the window"
  wait_for_playing_streams 0 1 || fail "the wallpaper plays music"
  kill -TERM "$shell_pid"
  none_left_within 10 || fail "left running 1 s after SIGTERM: $(live_on_compositor)"
}

the_idle_daemon_starts_the_ride_and_activity_stops_it() {
  on_sway 1
  # The README's line, with a short timeout.
  swayidle -w timeout 2 "'$bin/Tavrolin.scr' /s &" resume "'$bin/Tavrolin.scr' --stop" >/dev/null 2>&1 &
  local idle=$!
  started+=("$idle")
  [ "$(engines_on_outputs 1 100)" = HEADLESS-1 ] || fail "the idle timeout did not start the ride"
  # Any key is activity; Shift alone ends no ride by itself.
  wtype -s 1500 -k Shift_L
  none_left_within 50 || fail "activity did not end the ride: $(live_on_compositor)"
  kill "$idle"
  # Nothing to stop is no failure.
  shell_ends_with 0 5 --stop
}

the_ride_ends_with_its_compositor() {
  start_shell /s
  [ "$(engines_on_outputs 1 150)" = HEADLESS-1 ] || fail "no ride to end"
  wait_for_playing_streams 1 50 || fail "no music heard during the ride"
  stop_compositor
  none_left_within 10 || fail "left running 1 s after the compositor went: $(live_on_compositor)"
  wait_for_playing_streams 0 10 || fail "music still plays 1 s after the compositor went"
}

# A Wayland session that also has an X display (XWayland): what means an X window rides on X11.
a_mixed_session_keeps_x11_rides_on_x11() {
  on_sway 1
  local mixed=(env DISPLAY="$x_display" XDG_SESSION_TYPE=wayland)
  DISPLAY=$x_display make_window host 320x200
  local host=$window_id
  "${mixed[@]}" "$bin/Tavrolin.scr" -window-id "$host" &
  started+=("$!")
  local hosted=$!
  DISPLAY=$x_display wait_for_hosted_engine "$host" 150 >/dev/null || fail "no engine inside the X window"
  until_within 'DISPLAY=$x_display import -window "$host" "$work/host.png" 2>/dev/null && planet_at "$work/host.png" 150+90' 200 ||
    fail "the hosted ride drew no planet in the X window"
  kill "$hosted"
  reaped_within "$hosted" 50 || fail "the hosted ride outlived SIGTERM"

  "${mixed[@]}" "$bin/Tavrolin.scr" --x11 /s &
  started+=("$!")
  local shell=$!
  DISPLAY=$x_display wait_for_window Tavrolin_VC 150 >/dev/null || fail "--x11 /s showed no X window"
  "${mixed[@]}" "$bin/Tavrolin.scr" --x11 --stop || fail "--x11 --stop could not end the X11 ride"
  reaped_within "$shell" 50 || fail "--x11 --stop returned before the ride ended"

  # weston has no layer shell: a wallpaper there would cover the windows.
  stop_compositor
  start_weston "$work/compositor" || fail "headless weston did not start"
  shell_ends_with 1 30 --background
}

no_compositor_no_x_display_ends_at_once() {
  WAYLAND_DISPLAY=wayland-none shell_ends_with 1 5 /s
  [ "$(wc -l <"$shell_errors")" -eq 1 ] || fail "not one line for a missing compositor: $(cat "$shell_errors")"
  WAYLAND_DISPLAY=wayland-none shell_ends_with 1 5 /p 123
  [ "$(wc -l <"$shell_errors")" -eq 1 ] || fail "not one line for a preview without X: $(cat "$shell_errors")"
}

a_ride_on_each_output_and_a_new_one_ended_by_one_key
a_wallpaper_rides_around_a_window_and_ends_on_sigterm
the_idle_daemon_starts_the_ride_and_activity_stops_it
the_ride_ends_with_its_compositor
no_compositor_no_x_display_ends_at_once
a_mixed_session_keeps_x11_rides_on_x11
echo "shell wayland: 6 passed"
