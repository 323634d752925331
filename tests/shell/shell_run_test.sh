#!/usr/bin/env bash
# A screensaver run of the real shell and engine from start to end.
source "$(dirname "$0")/e2e_common.sh"
run_on_virtual_display "$@"

pixel_bytes_all_zero() {
  [ "$(tail -c +55 "$1" | tr -d '\000' | wc -c)" -eq 0 ]
}

# Little-endian unsigned value of $3 bytes at offset $2 of file $1.
header_field() {
  od -An -t "u$3" -j "$2" -N "$3" "$1" | tr -d ' '
}

run_from_start_to_end() {
  # Another instance's preview must not stop a full-screen start.
  make_window area 152x112
  local area_pid=$window_pid
  "$bin/Tavrolin.scr" /p "$window_id" &
  local preview=$!
  started+=("$preview")
  sleep 0.5

  start_shell /s
  local host engine
  host=$(wait_for_window Tavrolin_Main 50) || fail "no host window Tavrolin_Main"
  xwininfo -id "$host" | grep -q 'Map State: IsUnMapped' || fail "the host window is shown"
  engine=$(wait_for_window Tavrolin_VC 100) || fail "the engine's window Tavrolin_VC did not appear"
  local ride_start=$SECONDS
  [ "$(pointer_requests)" = "hide" ] || fail "pointer requests at start: '$(pointer_requests)', want 'hide'"

  local sheet=$workfolder/Tavrolin1.alo sphere=$workfolder/Tavrolin2.alo
  [ "$(stat -c %s "$sheet")" -eq 49206 ] || fail "Tavrolin1.alo is $(stat -c %s "$sheet") bytes"
  pixel_bytes_all_zero "$sheet" || fail "Tavrolin1.alo has pixel bytes other than 0"
  [ "$(stat -c %s "$sphere")" -eq 196662 ] || fail "Tavrolin2.alo is $(stat -c %s "$sphere") bytes"
  [ "$(head -c 2 "$sphere")" = BM ] || fail "Tavrolin2.alo has no bitmap signature"
  [ "$(header_field "$sphere" 2 4)" -eq 196662 ] || fail "Tavrolin2.alo header size field"
  [ "$(header_field "$sphere" 10 4)" -eq 54 ] || fail "Tavrolin2.alo pixel offset"
  [ "$(header_field "$sphere" 18 4)" -eq 256 ] || fail "Tavrolin2.alo width"
  [ "$(header_field "$sphere" 22 4)" -eq 256 ] || fail "Tavrolin2.alo height"
  [ "$(header_field "$sphere" 28 2)" -eq 24 ] || fail "Tavrolin2.alo bit depth"
  [ "$(header_field "$sphere" 30 4)" -eq 0 ] || fail "Tavrolin2.alo is compressed"
  [ -z "$(find "$workfolder" -name '*.alo?*' -o -name '.*' -type f)" ] || fail "temporary picture files left behind"

  # While the ride runs, any further start ends at once and starts nothing.
  local shell=$shell_pid log_during
  log_during=$(cat "$pointer_log")
  make_window area2 152x112
  for mode in /s /c "/p $window_id" ""; do
    # shellcheck disable=SC2086
    timeout 5 "$bin/Tavrolin.scr" $mode || fail "second start '$mode' did not end at once ($?)"
  done
  [ "$(window_count Tavrolin_VC)" -eq 1 ] || fail "a second start started another engine"
  xwininfo -id "$window_id" -children | grep -q 'Preview Window' && fail "a second start showed a preview"
  printf '%s\n' "$log_during" >"$pointer_log"

  # The engine takes its keys from 2 s of ride time on.
  while [ $((SECONDS - ride_start)) -lt 3 ]; do sleep 0.2; done
  kill -0 "$shell" 2>/dev/null || fail "the shell ended during the ride"
  # The helper windows took the keyboard focus; with no window manager nobody hands it back.
  xdotool windowfocus --sync "$engine" key q
  ended_within "$shell" 50 || fail "the shell did not end after the ride ended on q"
  wait_for_window Tavrolin_VC 1 >/dev/null && fail "the engine's window is still there"
  [ "$(pointer_requests)" = "hide show" ] || fail "pointer requests: '$(pointer_requests)', want 'hide show'"

  kill "$area_pid"
  ended_within "$preview" 30 || fail "the other instance's preview outlived its area"
}

no_arguments_run_leaves_the_pointer_alone_and_ends_with_the_engine() {
  rm -f "$workfolder"/*.alo
  start_shell
  local engine
  engine=$(wait_for_window Tavrolin_VC 100) || fail "no engine window without arguments"
  [ -s "$workfolder/Tavrolin1.alo" ] && [ -s "$workfolder/Tavrolin2.alo" ] || fail "no pictures written without arguments"
  # Closing the engine's window by any means ends the run, not only its keys.
  xdotool windowkill "$engine"
  ended_within "$shell_pid" 20 || fail "the shell did not end within 2 s of the engine's window going"
  [ -z "$(pointer_requests)" ] || fail "pointer requests without arguments: '$(pointer_requests)'"
}

# True when process $1 is gone or only waits for its reaper.
process_gone() {
  ! kill -0 "$1" 2>/dev/null || [ "$(ps -o stat= -p "$1" | cut -c1)" = Z ]
}

stop_ends_the_ride_and_only_the_ride() {
  # An idle daemon's resume must not close the settings someone is editing.
  start_shell /c
  wait_for_window "■Tavrolin■" 100 visible >/dev/null || fail "no settings dialog"
  shell_ends_with 0 5 --stop
  process_gone "$shell_pid" && fail "--stop closed the settings dialog"
  kill "$shell_pid"
  ended_within "$shell_pid" 30 || fail "the settings dialog did not end on SIGTERM"

  start_shell /s
  local shell=$shell_pid
  wait_for_window Tavrolin_VC 100 >/dev/null || fail "no engine window to stop"
  shell_ends_with 0 10 --stop
  # It returns once the ride has ended, not before.
  process_gone "$shell" || fail "--stop returned before the shell ended"
  wait_for_window Tavrolin_VC 1 >/dev/null && fail "--stop left the engine's window"
  shell_ends_with 0 5 --stop
}

run_from_start_to_end
no_arguments_run_leaves_the_pointer_alone_and_ends_with_the_engine
stop_ends_the_ride_and_only_the_ride
echo "shell run: 3 passed"
