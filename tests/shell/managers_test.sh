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
  local ending
  ending=$(output_within 100 grep "child pid $first " "$work/xscreensaver.log") || true
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
  # Focus needs a viewable window; the window exists a moment before it is mapped.
  engine=$(wait_for_window Tavrolin_VC 150 visible) || fail "xautolock started no ride"
  xdotool windowfocus --sync "$engine" key q
  all_tavrolin_ended_within 50 || fail "the ride xautolock started did not end on q"
  # A second -locknow that came while the first locker was starting would run the locker again
  # into the next case.
  kill "$xautolock_pid"
  reaped_within "$xautolock_pid" 50 || fail "xautolock did not end"
  all_tavrolin_ended_within 20 || fail "left running after xautolock ended: $(live_tavrolin_processes)"
}

# Starts openbox and has it exit, which leaves the root naming its gone check window.
leave_an_exited_window_manager() {
  openbox >/dev/null 2>&1 &
  local manager=$!
  started+=("$manager")
  until_within "xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'" 100 || true
  openbox --exit
  reaped_within "$manager" 100 || fail "openbox did not exit"
  xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' || fail "no stale window-manager check left to test"
}

rides_after_a_window_manager_has_exited() {
  leave_an_exited_window_manager
  start_shell /s
  wait_for_window Tavrolin_VC 150 visible >/dev/null || fail "no ride for /s after the window manager exited"
  screen_shows_ride "$work/exited-wm.png" 40 || fail "no ride on the screen after the window manager exited"
  kill -TERM "$shell_pid"
  all_tavrolin_ended_within 20 || fail "left running after SIGTERM: $(live_tavrolin_processes)"

  # The ride above has cleared the stale entry; leave another for the hosted ride.
  leave_an_exited_window_manager
  make_window host 640x400
  start_shell -window-id "$window_id"
  wait_for_hosted_engine "$window_id" 150 >/dev/null || fail "no hosted ride after the window manager exited"
  shows_ride "$work/exited-wm-hosted.png" 640x400+0+0 40 ||
    fail "no ride pixels in the host after the window manager exited"
  kill -TERM "$shell_pid" "$window_pid"
  all_tavrolin_ended_within 20 || fail "left running after SIGTERM: $(live_tavrolin_processes)"
}

xscreensaver_hosts_the_ride_and_ends_it
xsecurelock_hosts_the_ride_without_a_prompt
xautolock_runs_the_ride_until_q
rides_after_a_window_manager_has_exited
echo "screensaver managers: 4 passed"
