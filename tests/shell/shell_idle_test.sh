#!/usr/bin/env bash
# The idle watcher (--idle) on headless sway (org_kde_kwin_idle) and on a virtual X display
# (MIT-SCREEN-SAVER): idle starts the ride, input ends it, also while it is still starting, an
# idle inhibitor keeps it away, a failed ride is said once, and the watcher ends with its
# session or its signal, never leaving a ride behind.
source "$(dirname "$0")/e2e_common.sh"
run_on_virtual_display "$@"
source "$scripts/wayland-compositors.sh"
source "$here/idle_checks.sh"
source "$here/managers.sh"
x_display=$DISPLAY
trap 'stop_compositor; cleanup' EXIT

on_sway_idle_rides_input_ends_them_and_inhibitors_hold_them_off() {
  start_sway "$work/compositor" 1280x720 1 || fail "headless sway did not start"
  swaymsg -q 'for_window [title="inhibits"] inhibit_idle open'
  local began=$SECONDS
  start_watcher 3
  # The ride shell comes first; a key while it starts still ends everything it starts.
  until_within "[ -n \"\$(rides_of $watcher)\" ]" 60 || fail "no ride after 6 s idle"
  [ $((SECONDS - began)) -ge 2 ] || fail "rode after $((SECONDS - began)) s, before the idle time"
  wtype -k Shift_L
  no_ride_within 10 || fail "a key during the start left: $(rides_of "$watcher")"
  sleep 1.5
  [ -z "$(rides_of "$watcher")" ] || fail "a ride came back without a new idle period"
  engine_within 60 || fail "no ride after the next idle period: $(cat "$work/watcher.err")"
  planet_in_the_middle_of HEADLESS-1 60 || fail "no planet in the middle of the idle ride"
  wtype -s 1500 -k Shift_L
  no_ride_within 10 || fail "left 1 s after a key: $(rides_of "$watcher")"
  # A second watcher for the same session says one runs.
  "$bin/Tavrolin.scr" --idle 3 2>"$work/second.err" && fail "a second watcher ran"
  [ "$(wc -l <"$work/second.err")" -eq 1 ] || fail "not one line for a second watcher: $(cat "$work/second.err")"
  # sway's own inhibitor on a window counts as a client's idle inhibitor.
  DBUS_SESSION_BUS_ADDRESS=disabled: "$bin/tavrolin_test_window" window inhibits 200x200 >/dev/null 2>&1 &
  local window=$!
  started+=("$window")
  # Under load the window may show after the idle time: a key then starts the period anew.
  until_within 'swaymsg -t get_tree | grep -q "\"name\": \"inhibits\""' 100 || fail "no inhibiting window"
  wtype -k Shift_L
  no_ride_within 10 || fail "a key left a ride before the inhibitor: $(rides_of "$watcher")"
  sleep 9
  [ -z "$(rides_of "$watcher")" ] || fail "rode under an idle inhibitor"
  kill "$window"
  engine_within 80 || fail "no ride once the inhibitor went"
  end_watcher
  [ "$ended_status" -eq 143 ] || fail "the watcher ended with $ended_status, not by SIGTERM"
  [ -z "$(live_on_compositor)" ] || fail "left after SIGTERM: $(live_on_compositor)"
}

on_sway_a_failed_ride_is_said_once_and_the_compositor_ends_the_watcher() {
  # No X display for --x11: each ride fails at once.
  start_watcher 2 --x11
  until_within 'grep -q "idle ride ended" "$work/watcher.err"' 100 || fail "no line for a failed ride"
  # Two more idle periods without input, to show the failure is not tried again.
  sleep 4
  [ "$(grep -c 'idle ride ended' "$work/watcher.err")" -eq 1 ] || fail "not one line for a failed ride: $(cat "$work/watcher.err")"
  kill -0 "$watcher" || fail "the watcher ended after a failed ride"
  stop_compositor
  reaped_within "$watcher" 30 || fail "the watcher outlived its compositor"
  [ "$ended_status" -eq 1 ] || fail "the watcher ended with $ended_status when its compositor went"
  [ "$(tail -n 1 "$work/watcher.err" | grep -c 'went away')" -eq 1 ] || fail "no line for the session's end"
}

on_x11_idle_rides_a_key_ends_it_and_xscreensaver_keeps_the_display() {
  export DISPLAY=$x_display XDG_RUNTIME_DIR=$work/runtime
  unset WAYLAND_DISPLAY
  start_watcher 2
  engine_within 80 || fail "no ride on X11 after the idle time"
  xdotool key shift
  no_ride_within 10 || fail "left 1 s after an XTest key: $(rides_of "$watcher")"
  end_watcher
  start_xscreensaver '"Nothing" true'
  shell_ends_with 1 5 --idle 2
  grep -q "another screensaver manager" "$shell_errors" || fail "no line for xscreensaver: $(cat "$shell_errors")"
  for value in "" 0 -5 ten 86401; do
    shell_ends_with 2 5 --idle $value
    [ "$(wc -l <"$shell_errors")" -eq 1 ] || fail "not one line for --idle '$value'"
  done
}

on_sway_idle_rides_input_ends_them_and_inhibitors_hold_them_off
on_sway_a_failed_ride_is_said_once_and_the_compositor_ends_the_watcher
on_x11_idle_rides_a_key_ends_it_and_xscreensaver_keeps_the_display
echo "shell idle: 3 passed"
