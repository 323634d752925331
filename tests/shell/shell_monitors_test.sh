#!/usr/bin/env bash
# A screensaver run on two monitors: a ride on each, ended together.
display_size=2560x720
source "$(dirname "$0")/e2e_common.sh"
run_on_virtual_display "$@"

# True once the middle of each monitor has shown the blue planet, looking up to $1 times (the
# track may pass in front of it for a while).
planets_in_the_middle_of_both() {
  local attempt centre blue left="" right=""
  for attempt in $(seq "$1"); do
    import -window root "$work/monitors.png"
    for centre in 630+350 1910+350; do
      blue=$(convert "$work/monitors.png" -crop "20x20+$centre" +repage \
        -fx 'b > 0.25 && b > 1.2 * r ? 1 : 0' -colorspace gray -format '%[fx:mean]' info:)
      awk -v b="$blue" 'BEGIN { exit !(b > 0.3) }' || continue
      [ "$centre" = 630+350 ] && left=yes || right=yes
    done
    [ -n "$left" ] && [ -n "$right" ] && return 0
    sleep 0.5
  done
  return 1
}

a_ride_on_each_monitor_ended_by_one_key() {
  use_two_monitors
  start_shell /s
  local tenth
  for tenth in $(seq 150); do
    [ "$(window_count Tavrolin_VC)" -eq 2 ] && break
    sleep 0.1
  done
  [ "$(window_count Tavrolin_VC)" -eq 2 ] || fail "$(window_count Tavrolin_VC) rides on two monitors"
  planets_in_the_middle_of_both 80 || fail "no planet in the middle of each monitor"
  # Esc goes to the ride that holds the keyboard; ending it ends the other.
  xdotool key Escape
  all_tavrolin_ended_within 50 || fail "left running after Esc: $(live_tavrolin_processes)"
  [ "$(pointer_requests)" = "hide show" ] || fail "pointer requests: '$(pointer_requests)'"
}

a_ride_on_each_monitor_ended_by_one_key
echo "shell monitors: 1 passed"
