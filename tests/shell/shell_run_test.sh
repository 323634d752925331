#!/usr/bin/env bash
# A screensaver run of the real shell and engine from start to end.
source "$(dirname "$0")/e2e_common.sh"
run_on_virtual_display "$@"
# As under xautolock or xss-lock started from .xinitrc: no session bus is known.
unset DBUS_SESSION_BUS_ADDRESS

# Live session bus processes of this display that were not there when the script began. The
# first Qt program of a display to autolaunch a bus hands it on to every later one, so any shell
# of this script may have started it; the helper windows never do.
session_buses() {
  local pid number=${DISPLAY#:}
  number=${number%.*}
  for pid in $(pgrep -x 'dbus-(daemon|launch)' || true); do
    [ "$(ps -o stat= -p "$pid" 2>/dev/null | cut -c1)" = Z ] && continue
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxE "DISPLAY=(unix)?:$number(\.[0-9]+)?" && echo "$pid"
  done
  return 0
}
buses_before=" $(session_buses | tr '\n' ' ') "
session_buses_left() {
  local pid
  for pid in $(session_buses); do
    [[ "$buses_before" == *" $pid "* ]] || echo "$pid"
  done
}

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
  reaped_within "$shell" 50 || fail "the shell did not end after the ride ended on q"
  wait_for_window Tavrolin_VC 1 >/dev/null && fail "the engine's window is still there"
  [ "$(pointer_requests)" = "hide show" ] || fail "pointer requests: '$(pointer_requests)', want 'hide show'"

  kill "$area_pid"
  reaped_within "$preview" 30 || fail "the other instance's preview outlived its area"
  [ -z "$(session_buses_left)" ] || fail "a session bus outlived the shell: $(session_buses_left)"
}

no_arguments_run_leaves_the_pointer_alone_and_ends_with_the_engine() {
  rm -f "$workfolder"/*.alo
  start_shell
  local engine
  engine=$(wait_for_window Tavrolin_VC 100) || fail "no engine window without arguments"
  [ -s "$workfolder/Tavrolin1.alo" ] && [ -s "$workfolder/Tavrolin2.alo" ] || fail "no pictures written without arguments"
  # Closing the engine's window by any means ends the run, not only its keys.
  xdotool windowkill "$engine"
  reaped_within "$shell_pid" 20 || fail "the shell did not end within 2 s of the engine's window going"
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
  reaped_within "$shell_pid" 30 || fail "the settings dialog did not end on SIGTERM"

  start_shell /s
  local shell=$shell_pid
  wait_for_window Tavrolin_VC 100 >/dev/null || fail "no engine window to stop"
  shell_ends_with 0 10 --stop
  # It returns once the ride has ended, not before.
  process_gone "$shell" || fail "--stop returned before the shell ended"
  wait_for_window Tavrolin_VC 1 >/dev/null && fail "--stop left the engine's window"
  shell_ends_with 0 5 --stop

  # Two starts and a resume in the same instant: the start that takes the ride's mark is ended
  # or, seeing the stop came after it began, never rides; the other ends at once.
  local try first
  for try in $(seq 20); do
    start_shell /s
    first=$shell_pid
    start_shell /s
    shell_ends_with 0 15 --stop
    reaped_within "$first" 100 && reaped_within "$shell_pid" 100 || fail "try $try: a ride was left after --stop returned"
  done
  all_tavrolin_ended_within 50 || fail "engines left after start and stop: $(live_tavrolin_processes)"
}

# The words the engine started by shell $1 was given, on one line.
engine_words() {
  tr '\0' ' ' <"/proc/$(pgrep -P "$1" | head -n 1)/cmdline"
}

ride_options_change_that_ride_only() {
  "$bin/tavrolin_put_setting" Scale 6 && "$bin/tavrolin_put_setting" Fast 6 || fail "cannot write the settings"
  cp "$workfolder/Tavrolin.ini" "$work/settings.before"
  rm -f "$workfolder"/*.alo
  local words
  for words in "--scale 12" "/s --speed" "--speed=5.5 -root" "--scale 0 /s"; do
    # shellcheck disable=SC2086
    shell_ends_with 2 5 $words
    [ "$(wc -l <"$shell_errors")" -eq 1 ] || fail "'$words' wrote: $(cat "$shell_errors")"
  done
  [ -z "$(ls "$workfolder"/*.alo 2>/dev/null)" ] && [ "$(window_count Tavrolin_VC)" -eq 0 ] \
    || fail "a refused level started something"

  # Two rides at once, side by side, each with its own levels and the file in between.
  make_window big 400x300
  local big=$window_id
  make_window small 400x300
  local small=$window_id
  xdotool windowmove "$small" 500 0
  start_shell -window-id "$big" --scale 11 --speed 1 --no-music
  local big_shell=$shell_pid
  start_shell --scale=1 --speed=11 -window-id "$small"
  local small_shell=$shell_pid
  wait_for_hosted_engine "$big" 100 >/dev/null && wait_for_hosted_engine "$small" 100 >/dev/null \
    || fail "no rides with ride options"
  [[ "$(engine_words "$big_shell")" == *" --scale 11 --speed 1 "* ]] || fail "engine words: $(engine_words "$big_shell")"
  [[ "$(engine_words "$small_shell")" == *" --scale 1 --speed 11 "* ]] || fail "engine words: $(engine_words "$small_shell")"
  # The track passes in front of the planet now and then: three screenshots in a row must agree.
  local attempt agreeing=0 big_share small_share
  for attempt in $(seq 40); do
    import -window root "$work/options.png"
    big_share=$(planet_share "$work/options.png" 400x300+0+0)
    small_share=$(planet_share "$work/options.png" 400x300+500+0)
    if awk -v b="$big_share" -v s="$small_share" 'BEGIN { exit !(b > 0.01 && b > 3 * s) }'; then
      agreeing=$((agreeing + 1))
      [ "$agreeing" -eq 3 ] && break
    else
      agreeing=0
    fi
    sleep 0.3
  done
  [ "$agreeing" -eq 3 ] || fail "the planet at --scale 11 is not larger: $big_share against $small_share"

  # Stopped by a signal, the shell ends its ride and then dies by that signal.
  kill -TERM "$big_shell"
  kill -HUP "$small_shell"
  reaped_within "$big_shell" 30 || fail "SIGTERM did not end the ride"
  [ "$ended_status" -eq 143 ] || fail "after SIGTERM the shell ended with status $ended_status"
  reaped_within "$small_shell" 30 || fail "SIGHUP did not end the ride"
  [ "$ended_status" -eq 129 ] || fail "after SIGHUP the shell ended with status $ended_status"
  all_tavrolin_ended_within 20 || fail "left running: $(live_tavrolin_processes)"
  cmp -s "$work/settings.before" "$workfolder/Tavrolin.ini" || fail "the ride options changed the settings file"
}

a_work_folder_others_can_write_is_left_alone() {
  # Made by another account first, open to all, holding settings of its choosing.
  local shared=$work/shared
  mkdir -p "$shared/nerevo_temp"
  printf '[Section]\r\nScale=1\r\n' >"$shared/nerevo_temp/Tavrolin.ini"
  chmod 777 "$shared/nerevo_temp"
  chown -R nobody "$shared/nerevo_temp"
  XDG_CONFIG_HOME=$shared start_shell
  local engine
  engine=$(wait_for_window Tavrolin_VC 100) || fail "no ride beside a shared work folder"
  [ "$(find "$shared/nerevo_temp" -type f | wc -l)" -eq 1 ] || fail "the shell wrote into a shared work folder"
  xdotool windowkill "$engine"
  reaped_within "$shell_pid" 20 || fail "the shell did not end with its engine"
}

run_from_start_to_end
no_arguments_run_leaves_the_pointer_alone_and_ends_with_the_engine
stop_ends_the_ride_and_only_the_ride
ride_options_change_that_ride_only
a_work_folder_others_can_write_is_left_alone
echo "shell run: 5 passed"
