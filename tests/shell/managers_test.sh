#!/usr/bin/env bash
# The real screensaver managers start the shell, host its ride and end it.
source "$(dirname "$0")/e2e_common.sh"
source "$here/managers.sh"
run_on_virtual_display "$@"

xscreensaver_hosts_the_ride_and_ends_it() {
  # A copy the unprivileged user xscreensaver runs as can reach, wherever the build lies.
  mkdir -p "$work/programs"
  cp "$bin/Tavrolin.scr" "$bin/Tavrolin.dll" "$work/programs/"
  start_xscreensaver "$work/programs/Tavrolin.scr -root"
  xscreensaver_command -activate >/dev/null
  wait_for_engine_process 150 >/dev/null || fail "xscreensaver started no ride: $(cat "$work/xscreensaver.log")"
  screen_shows_ride "$work/xscreensaver.png" 40 || fail "no ride on the blanked screen"
  xscreensaver_command -deactivate >/dev/null
  all_tavrolin_ended_within 20 || fail "left running 2 s after xscreensaver ended the saver: $(live_tavrolin_processes)"
  xscreensaver_command -exit >/dev/null 2>&1 || true
}

xsecurelock_hosts_the_ride_without_a_prompt() {
  printf '#!/bin/sh\nexec "%s"\n' "$bin/Tavrolin.scr" >"$work/saver"
  chmod 755 "$work/saver"
  start_xsecurelock "$work/saver"
  wait_for_engine_process 150 >/dev/null || fail "xsecurelock started no ride: $(tail -5 "$work/xsecurelock.log")"
  screen_shows_ride "$work/xsecurelock.png" 40 || fail "no ride under the lock"
  # The prompt is a program of its own that xsecurelock starts on the first input.
  pgrep -f 'xsecurelock/auth_' >/dev/null && fail "the password prompt came up without input"
  kill -TERM "$locker_pid"
  all_tavrolin_ended_within 20 || fail "left running 2 s after xsecurelock ended: $(live_tavrolin_processes)"
}

xautolock_runs_the_ride_until_q() {
  start_xautolock "$bin/Tavrolin.scr /s"
  local engine
  engine=$(wait_for_window Tavrolin_VC 150) || fail "xautolock started no ride"
  xdotool windowfocus --sync "$engine" key q
  all_tavrolin_ended_within 50 || fail "the ride xautolock started did not end on q"
}

xscreensaver_hosts_the_ride_and_ends_it
xsecurelock_hosts_the_ride_without_a_prompt
xautolock_runs_the_ride_until_q
echo "screensaver managers: 3 passed"
