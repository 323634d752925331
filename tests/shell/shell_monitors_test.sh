#!/usr/bin/env bash
# A screensaver run on two monitors: a ride on each, ended together.
display_size=2560x720
source "$(dirname "$0")/e2e_common.sh"
run_on_virtual_display "$@"

# True once the middle of each monitor has shown the blue planet, looking up to $1 times (the
# track may pass in front of it for a while).
planets_in_the_middle_of_both() {
  local left="" right=""
  for _ in $(seq "$1"); do
    import -window root "$work/monitors.png"
    planet_at "$work/monitors.png" 630+350 && left=yes
    planet_at "$work/monitors.png" 1910+350 && right=yes
    [ -n "$left" ] && [ -n "$right" ] && return 0
    sleep 0.5
  done
  return 1
}

a_ride_on_each_monitor_ended_by_one_key() {
  use_two_monitors
  start_shell /s
  until_within '[ "$(window_count Tavrolin_VC)" -eq 2 ]' 150 || fail "$(window_count Tavrolin_VC) rides on two monitors"
  planets_in_the_middle_of_both 80 || fail "no planet in the middle of each monitor"
  # Esc goes to the ride that holds the keyboard; ending it ends the other.
  xdotool key Escape
  all_tavrolin_ended_within 50 || fail "left running after Esc: $(live_tavrolin_processes)"
  [ "$(pointer_requests)" = "hide show" ] || fail "pointer requests: '$(pointer_requests)'"
}

a_ride_on_each_monitor_ended_by_one_key
echo "shell monitors: 1 passed"
