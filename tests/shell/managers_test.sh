#!/usr/bin/env bash
# The real screensaver managers start the shell, host its ride and end it.
source "$(dirname "$0")/e2e_common.sh"
source "$here/managers.sh"
run_on_virtual_display "$@"

# The managers run the command lines the README gives, with `tavrolin` found through PATH as an
# installed one is: a copy the unprivileged user xscreensaver runs as can reach, wherever the
# build lies.
mkdir -p "$work/programs"
cp "$bin/Tavrolin.scr" "$bin/Tavrolin.dll" "$work/programs/"
ln -s Tavrolin.scr "$work/programs/tavrolin"
export PATH=$work/programs:$PATH

xscreensaver_hosts_the_ride_and_ends_it() {
  start_xscreensaver '"Tavrolin" tavrolin -root'
  xscreensaver_command -activate >/dev/null
  wait_for_engine_process 150 >/dev/null || fail "xscreensaver started no ride: $(cat "$work/xscreensaver.log")"
  screen_shows_ride "$work/xscreensaver.png" 40 || fail "no ride on the blanked screen"
  # Cycling ends the saver with SIGTERM while xscreensaver stays to say how it ended.
  local first
  first=$(saver_started_by_xscreensaver 1) || fail "xscreensaver logged no saver start"
  xscreensaver_command -cycle >/dev/null
  saver_started_by_xscreensaver 2 >/dev/null || fail "xscreensaver started no second ride"
  local ending tenth
  for tenth in $(seq 100); do
    ending=$(grep "child pid $first " "$work/xscreensaver.log" || true)
    [ -n "$ending" ] && break
    sleep 0.1
  done
  grep -q 'exited normally with SIGTERM' <<<"$ending" || fail "xscreensaver saw the saver end as: '$ending'"
  xscreensaver_command -deactivate >/dev/null
  all_tavrolin_ended_within 20 || fail "left running 2 s after xscreensaver ended the saver: $(live_tavrolin_processes)"
  xscreensaver_command -exit >/dev/null 2>&1 || true
}

xsecurelock_hosts_the_ride_without_a_prompt() {
  mkdir -p ~/.local/bin
  printf '#!/bin/sh\nexec tavrolin -root\n' > ~/.local/bin/tavrolin-saver
  chmod +x ~/.local/bin/tavrolin-saver
  start_xsecurelock ~/.local/bin/tavrolin-saver
  wait_for_engine_process 150 >/dev/null || fail "xsecurelock started no ride: $(tail -5 "$work/xsecurelock.log")"
  screen_shows_ride "$work/xsecurelock.png" 40 || fail "no ride under the lock"
  # The prompt is a program of its own that xsecurelock starts on the first input.
  pgrep -f 'xsecurelock/auth_' >/dev/null && fail "the password prompt came up without input"
  kill -TERM "$locker_pid"
  all_tavrolin_ended_within 20 || fail "left running 2 s after xsecurelock ended: $(live_tavrolin_processes)"
}

xautolock_runs_the_ride_until_q() {
  start_xautolock "tavrolin /s"
  local engine
  engine=$(wait_for_window Tavrolin_VC 150) || fail "xautolock started no ride"
  xdotool windowfocus --sync "$engine" key q
  all_tavrolin_ended_within 50 || fail "the ride xautolock started did not end on q"
}

xscreensaver_hosts_the_ride_and_ends_it
xsecurelock_hosts_the_ride_without_a_prompt
xautolock_runs_the_ride_until_q
echo "screensaver managers: 3 passed"
