#!/usr/bin/env bash
# Rides inside a window that a screensaver manager gives (a helper window stands in for it), and
# how every run ends: signals, a killed shell, a vanished window, two starts in the same instant.
source "$(dirname "$0")/e2e_common.sh"
run_on_virtual_display "$@"

hosted_rides_fill_their_windows_and_end_on_sigterm() {
  make_window manager1 640x400
  local first=$window_id first_pid=$window_pid
  make_window manager2 320x200
  local second=$window_id
  xdotool windowmove "$second" 700 0

  start_shell -window-id "$(printf '0x%x' "$first")"
  local shell1=$shell_pid
  XSCREENSAVER_WINDOW=$second start_shell -root
  local shell2=$shell_pid
  local engine1 engine2
  engine1=$(wait_for_hosted_engine "$first" 100) || fail "no ride inside the first window"
  engine2=$(wait_for_hosted_engine "$second" 100) || fail "no ride inside the second window"
  XSCREENSAVER_WINDOW=$first shell_ends_at_once 5 || fail "a second ride for the same window"
  [ "$(window_count Tavrolin_Main)" -eq 0 ] || fail "a hosted ride made the marker window"
  [ -z "$(pointer_requests)" ] || fail "a hosted ride touched the pointer: $(pointer_requests)"

  shows_ride "$work/hosted.png" 640x400+0+0 40 || fail "no ride pixels inside the first window"
  shows_ride "$work/hosted.png" 320x200+700+0 40 || fail "no ride pixels inside the second window"

  # The ride follows its window's size, also while that window is unmapped.
  engine_size_becomes() {
    local tenth
    for tenth in $(seq 50); do
      xwininfo -id "$engine1" | grep -q "Width: $1\$" && xwininfo -id "$engine1" | grep -q "Height: $2\$" && return 0
      sleep 0.1
    done
    return 1
  }
  xdotool windowsize "$first" 500 300
  engine_size_becomes 500 300 || fail "the ride did not follow its window's size"
  xdotool windowsize "$first" 500 220
  engine_size_becomes 500 220 || fail "the ride did not follow its window's height alone"
  xdotool windowunmap --sync "$first"
  xdotool windowsize "$first" 400 220
  engine_size_becomes 400 220 || fail "the ride stopped following an unmapped window's width"
  kill -0 "$shell1" || fail "an unmapped window ended the ride"
  xdotool windowmap "$first"

  kill -TERM "$shell1" "$shell2"
  all_tavrolin_ended_within 10 || fail "left running 1 s after SIGTERM: $(live_tavrolin_processes)"
  xwininfo -id "$first" >/dev/null && xwininfo -id "$second" >/dev/null || fail "a manager's window went with the ride"
  kill "$first_pid"
}

a_vanished_window_ends_the_ride() {
  make_window manager 400x300
  start_shell --window-id "$window_id"
  wait_for_hosted_engine "$window_id" 100 >/dev/null || fail "no ride inside the window"
  kill "$window_pid"
  all_tavrolin_ended_within 10 || fail "the ride outlived its window by 1 s: $(live_tavrolin_processes)"
}

window_ids_that_name_no_window() {
  local status=0 message
  message=$(XSCREENSAVER_WINDOW=0x12zz "$bin/Tavrolin.scr" -root 2>&1 >/dev/null) || status=$?
  [ "$status" -eq 2 ] && [ "$(echo "$message" | wc -l)" -eq 1 ] || fail "malformed id: status $status, '$message'"
  status=0
  timeout 5 "$bin/Tavrolin.scr" -window-id 123456789 2>/dev/null || status=$?
  [ "$status" -eq 1 ] || fail "an id of no window: status $status"
}

a_run_ends_with_its_shell() {
  start_shell /s
  wait_for_window Tavrolin_VC 100 >/dev/null || fail "no ride for /s"
  kill -TERM "$shell_pid"
  all_tavrolin_ended_within 10 || fail "left running 1 s after SIGTERM: $(live_tavrolin_processes)"
  [ "$(pointer_requests)" = "hide show" ] || fail "pointer after SIGTERM: '$(pointer_requests)'"

  start_shell /s
  wait_for_window Tavrolin_VC 100 >/dev/null || fail "no ride for /s"
  kill -KILL "$shell_pid"
  all_tavrolin_ended_within 10 || fail "an engine outlived its killed shell: $(live_tavrolin_processes)"
}

two_runs_started_at_once_give_one_ride() {
  local trial first second engines number=${DISPLAY#:} spellings
  number=${number%.*}
  # However the display is spelt, it is one display.
  spellings=(":$number" "unix:$number" ":$number.0" "unix:$number.0")
  for trial in $(seq 30); do
    "$bin/Tavrolin.scr" /s & first=$!
    DISPLAY=${spellings[trial % ${#spellings[@]}]} "$bin/Tavrolin.scr" /s & second=$!
    started+=("$first" "$second")
    # The one that lost ends at once; the winner's engine then starts.
    for _ in $(seq 50); do
      kill -0 "$first" 2>/dev/null && kill -0 "$second" 2>/dev/null || break
      sleep 0.1
    done
    wait_for_window Tavrolin_VC 100 >/dev/null || fail "trial $trial: no ride"
    engines=$(live_tavrolin_processes | grep -c 'Tavrolin.dll' || true)
    [ "$engines" -eq 1 ] && [ "$(window_count Tavrolin_VC)" -eq 1 ] || fail "trial $trial: $engines rides"
    kill -TERM "$first" "$second" 2>/dev/null || true
    all_tavrolin_ended_within 20 || fail "trial $trial: the ride did not end"
    wait "$first" "$second" 2>/dev/null || true
  done
}

a_launcher_with_closed_descriptors() {
  # As xautolock starts its locker: no standard input, output or error, no runtime folder.
  env -u XDG_RUNTIME_DIR "$bin/Tavrolin.scr" /s <&- >&- 2>&- &
  local shell=$!
  started+=("$shell")
  local engine
  # Focus needs a viewable window; the window exists a moment before it is mapped.
  engine=$(wait_for_window Tavrolin_VC 100 visible) || fail "no ride with closed descriptors"
  # Pressed during the fade-in, q takes effect at its end.
  xdotool windowfocus --sync "$engine" key q
  reaped_within "$shell" 50 || fail "a run with closed descriptors did not end on q"
}

a_window_manager_lets_go_of_the_ride() {
  # The engine's window is a top-level one for a moment, long enough for a window manager to
  # take it; it must end up riding inside the host all the same.
  openbox >/dev/null 2>&1 &
  local manager=$!
  started+=("$manager")
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
  done
  make_window manager 640x400
  start_shell -window-id "$window_id"
  wait_for_hosted_engine "$window_id" 100 >/dev/null || fail "no ride inside the window under openbox"
  local left top
  left=$(xwininfo -id "$window_id" | awk '/Absolute upper-left X/ { print $4 }')
  top=$(xwininfo -id "$window_id" | awk '/Absolute upper-left Y/ { print $4 }')
  shows_ride "$work/managed.png" "640x400+$left+$top" 40 || fail "no ride pixels inside the window under openbox"
  kill -TERM "$shell_pid" "$manager"
  all_tavrolin_ended_within 10 || fail "left running after SIGTERM: $(live_tavrolin_processes)"
}

hosted_rides_fill_their_windows_and_end_on_sigterm
a_vanished_window_ends_the_ride
window_ids_that_name_no_window
a_run_ends_with_its_shell
a_launcher_with_closed_descriptors
two_runs_started_at_once_give_one_ride
a_window_manager_lets_go_of_the_ride
echo "shell hosted and lifetime: 7 passed"
