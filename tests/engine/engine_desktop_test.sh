#!/usr/bin/env bash
# The real engine on the desktops users have: frames paced on a display that ignores the swap
# interval, trails on a driver that keeps nothing of the back buffer, and without a frame copy on
# one whose config keeps it, staying on top of a window
# manager's new windows with the keyboard held, one ride per monitor, and no frames while nobody
# can see the ride.
set -euo pipefail
bin=$1
scripts=${TAVROLIN_SCRIPTS:?}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work XDG_CONFIG_HOME=$work/.config
source "$(dirname "${BASH_SOURCE[0]}")/../support/script_helpers.sh"
# The shell's all-black character sheet, so no placeholder text shows, and a grey planet.
black_character_sheet "$XDG_CONFIG_HOME/nerevo_temp"
head -c $((54 + 3 * 256 * 256)) /dev/zero | tr '\0' '\200' >"$XDG_CONFIG_HOME/nerevo_temp/Tavrolin2.alo"

paced_and_trails_on_a_discarding_driver() {
  local log=$work/swaps
  TAVROLIN_DISCARD_BACK_BUFFER=1 start_ride "$log"
  until_within '[ "$(swaps "$log")" -ge 30 ]' 150 || fail "the ride did not start swapping"
  # Never above the display's 60; at least 45 in one of a few two-second spans, since a busy
  # machine may slow any one of them.
  local span rate reached=""
  for span in 1 2 3 4 5; do
    local count1 time1 count2 time2
    count1=$(swaps "$log") time1=$(swap_time "$log")
    until_within '[ "$(swap_time "$log")" -ge $((time1 + 2000)) ]' 100 || fail "swaps stopped"
    count2=$(swaps "$log") time2=$(swap_time "$log")
    rate=$(( (count2 - count1) * 1000 / (time2 - time1) ))
    [ "$rate" -le 66 ] || fail "$rate frames a second, more than the display shows"
    [ "$rate" -ge 45 ] && { reached=yes; break; }
  done
  [ -n "$reached" ] || fail "$rate frames a second, held below the display's 60"

  import -window root "$work/discarding.png"
  local garbage lit
  garbage=$(fraction "$work/discarding.png" "" 'r > 0.1 && b > 0.1 && g < 0.5 * min(r, b) ? 1 : 0')
  lit=$(fraction "$work/discarding.png" "" 'intensity > 0.3 ? 1 : 0')
  above 0.001 "$garbage" || fail "the driver's garbage shows on the screen (fraction $garbage)"
  above "$lit" 0.0005 || fail "no ride on the screen (lit fraction $lit)"
  xdotool key Escape
  gone_within "$ride" 30 || { kill "$ride"; fail "Esc did not end the ride"; }
}

# Frame copies so far, from the second line of a probe log $1.
copies() { sed -n 2p "$1" 2>/dev/null | tr -d ' ' | grep . || echo 0; }

# Mesa's software renderer offers configs whose swap copies: the ride takes one and makes no
# frame copy of its own. Its frames match those of the copying path, which TAVROLIN_FORCE_FRAME_COPY
# forces for this comparison; the probe steps the ride's clock 16 ms a swap for fixed ride times.
trails_without_a_copy_where_the_config_keeps_the_back_buffer() {
  local path
  for path in kept copied; do
    local log=$work/swaps-$path force=""
    [ "$path" = copied ] && force=1
    TAVROLIN_FORCE_FRAME_COPY=$force TAVROLIN_FRAME_CLOCK_MS=16 TAVROLIN_SAVE_FRAME="200 $work/$path.ppm" \
      start_ride "$log" --unpaced
    until_within '[ "$(swaps "$log")" -gt 200 ]' 300 || { kill "$ride"; fail "the $path ride did not reach frame 200"; }
    kill "$ride"
    gone_within "$ride" 30 || fail "SIGTERM did not end the $path ride"
  done
  [ "$(copies "$work/swaps-kept")" -eq 0 ] || fail "$(copies "$work/swaps-kept") frame copies with the back buffer kept"
  [ "$(copies "$work/swaps-copied")" -ge 200 ] || fail "the forced copy made only $(copies "$work/swaps-copied") copies"
  above "$(fraction "$work/kept.ppm" "" 'intensity > 0.3 ? 1 : 0')" 0.0005 || fail "no ride in frame 200"
  local differ
  differ=$(compare -metric AE -fuzz 1% "$work/kept.ppm" "$work/copied.ppm" null: 2>&1) || true
  [ "$differ" = 0 ] || fail "$differ pixels of frame 200 differ between the kept and the copied trails"
}

stays_on_top_under_a_window_manager() {
  openbox >/dev/null 2>&1 & local manager=$!
  until_within 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"' 100 ||
    fail "openbox did not start"
  local log=$work/swaps-wm
  start_ride "$log"
  until_within '[ "$(swaps "$log")" -ge 120 ]' 150 || fail "the ride did not get two seconds in"
  local ride_window=""
  until_within 'ride_window=$(xdotool search --name "^Tavrolin_VC$" 2>/dev/null | head -n 1)
    [ -n "$ride_window" ]' 100 || fail "no Tavrolin_VC window"
  # A window the manager takes, and a pop-up that bypasses it and maps on top of everything.
  xmessage -geometry 400x120+40+40 -bg white -fg white "managed" & local message=$!
  xmessage -geometry 400x120+40+400 -bg white -fg white -xrm '*overrideRedirect: true' popup &
  local popup=$!
  until_within 'xdotool search --onlyvisible --name "^xmessage$" >/dev/null 2>&1' 100 ||
    fail "xmessage did not open"
  # Never "xwininfo -id" without an id: it would wait for a click.
  local popup_window=""
  until_within 'popup_window=$(xwininfo -root -children | awk "/400x120\+40\+400/ { print \$1; exit }")
    [ -n "$popup_window" ] && xwininfo -id "$popup_window" | grep -q IsViewable' 100 || fail "the pop-up did not open"
  local region
  for region in 400x120+40+40 400x120+40+400; do
    until_within 'import -window root "$work/wm.png" &&
      ! above "$(fraction "$work/wm.png" $region "intensity > 0.8 ? 1 : 0")" 0.2' 50 ||
      fail "a new window shows above the ride at $region"
  done
  local message_window=""
  until_within 'message_window=$(xdotool search --onlyvisible --name "^xmessage$" 2>/dev/null | head -n 1)
    [ -n "$message_window" ]' 100 || fail "the managed xmessage went"
  xprop -root _NET_CLIENT_LIST | grep -qi "$(printf '0x%x' "$ride_window")" &&
    fail "the ride is in the window manager's client list (task bar)"
  xdotool windowfocus "$message_window" 2>/dev/null || true
  xdotool key Escape
  gone_within "$ride" 30 || { kill "$ride" "$message" "$popup" "$manager"; fail "Esc did not end the ride"; }
  kill "$message" "$popup" "$manager"
}

one_ride_per_monitor() {
  local fifo=$work/xephyr.fifo
  mkfifo "$fifo"
  # -noreset: a passing client that was the last to leave would reset it under the next.
  Xephyr -displayfd 3 -screen 1280x720+0+0 -screen 1280x720+1280+0 +xinerama -nolisten tcp -noreset \
    3>"$fifo" >/dev/null 2>&1 & local nested=$!
  local number=""
  read -r -t 20 number <"$fifo" || { kill "$nested"; fail "Xephyr did not start"; }
  until_within 'xprop -display ":$number" -root >/dev/null 2>&1' 100 ||
    { kill "$nested"; fail "Xephyr took no client"; }
  export DISPLAY=":$number"
  local monitors
  monitors=$("$bin/tavrolin_print_monitors")
  [ "$monitors" = $'0,0,1280,720\n1280,0,1280,720' ] || { kill "$nested"; fail "monitors: $monitors"; }
  local rides=() logs=() monitor index=0
  for monitor in $monitors; do
    logs+=("$work/swaps-monitor$index")
    start_ride "${logs[$index]}" --monitor "$monitor"
    rides+=("$ride")
    index=$((index + 1))
  done
  until_within '[ "$(swaps "${logs[0]}")" -ge 150 ] && [ "$(swaps "${logs[1]}")" -ge 150 ]' 200 ||
    { kill "${rides[@]}" "$nested"; fail "the rides did not get past the fade-in"; }
  import -window root "$work/monitors.png"
  local centre planet
  for centre in 630+350 1910+350; do
    planet=$(fraction "$work/monitors.png" "20x20+$centre" 'intensity > 0.3 ? 1 : 0')
    above "$planet" 0.8 || { kill "${rides[@]}" "$nested"; fail "no planet at $centre ($planet)"; }
  done
  # Each Esc ends the ride that holds the keyboard; the other takes it over.
  until_within 'xdotool key Escape; ! kill -0 "${rides[0]}" 2>/dev/null && ! kill -0 "${rides[1]}" 2>/dev/null' 60 ||
    { kill "${rides[@]}" "$nested"; fail "Esc did not end both rides"; }
  kill "$nested"
}

# Once the command $1 has hidden the ride: no frames and hardly any CPU for ten seconds; once the
# command $2 shows it again, frames within half a second. $log and $ride name the ride.
rests_while() {
  local hide=$1 show=$2
  eval "$hide"
  # The frame under way when the notice came may still be swapped.
  local settled=""
  for _ in $(seq 30); do
    local before
    before=$(swaps "$log")
    sleep 0.2
    [ "$(swaps "$log")" -eq "$before" ] && { settled=yes; break; }
  done
  [ -n "$settled" ] || fail "frames went on after: $hide"
  local count0 ticks0 start=${EPOCHREALTIME/./}
  count0=$(swaps "$log") ticks0=$(cpu_ticks "$ride")
  until_within '[ $(( ${EPOCHREALTIME/./} - start )) -ge 10000000 ]' 150
  local count1 ticks1 elapsed=$(( ${EPOCHREALTIME/./} - start ))
  count1=$(swaps "$log") ticks1=$(cpu_ticks "$ride")
  [ "$count1" -eq "$count0" ] || fail "$((count1 - count0)) frames drawn after: $hide"
  # Below 2 % of a core over the time measured.
  local hertz
  hertz=$(getconf CLK_TCK)
  [ $(( (ticks1 - ticks0) * 1000000 * 100 / hertz )) -lt $(( 2 * elapsed )) ] ||
    fail "$((ticks1 - ticks0)) CPU ticks in $((elapsed / 1000)) ms after: $hide"
  local shown=${EPOCHREALTIME/./}
  eval "$show"
  until_within '[ "$(swaps "$log")" -gt "$count1" ]' 50 || fail "no frames after: $show"
  local waited=$(( (${EPOCHREALTIME/./} - shown) / 1000 ))
  [ "$waited" -le 500 ] || fail "frames came $waited ms after: $show"
  echo "rested: $((ticks1 - ticks0)) CPU ticks of $hertz/s in $((elapsed / 1000)) ms; frames $waited ms after showing"
}

rests_while_nobody_can_see_it() {
  "$bin/tavrolin_test_window" window manager 640x400 >"$work/host" 2>/dev/null & local window=$!
  until_within '[ -s "$work/host" ]' 100 || fail "the host window did not appear"
  host=$(head -n 1 "$work/host")
  log=$work/swaps-rest
  # Unpaced, so that only resting keeps it asleep, not the wait for the next frame.
  start_ride "$log" --window-id "$host" --unpaced
  until_within '[ "$(swaps "$log")" -ge 30 ]' 150 || fail "the hosted ride did not start swapping"
  export host log ride
  rests_while 'xdotool windowunmap --sync "$host"' 'xdotool windowmap "$host"'
  rests_while 'xmessage -geometry 800x600+0+0 covered & cover=$!;
    until_within "xwininfo -name xmessage 2>/dev/null | grep -q IsViewable" 100 || fail "no covering window"' \
    'kill "$cover"'
  kill "$ride" "$window"
}

# A manager's window far larger than the screen: the ride draws no more than the screen shows,
# keeps its pace and its memory, and still ends at once on SIGTERM.
bounded_inside_a_huge_host() {
  xmessage -geometry 320x200+0+0 -bg white host & local host_pid=$!
  local host=""
  until_within 'host=$(xdotool search --onlyvisible --name "^xmessage$" 2>/dev/null | head -n 1)
    [ -n "$host" ]' 100 || fail "the host window did not open"
  local log=$work/swaps-huge
  start_ride "$log" --window-id "$host"
  until_within '[ "$(swaps "$log")" -ge 30 ]' 150 || { kill "$ride" "$host_pid"; fail "no hosted ride"; }
  local engine_window
  engine_window=$(wait_for_hosted_engine "$host" 100) || { kill "$ride" "$host_pid"; fail "the ride is not inside its host"; }
  size_is() { xwininfo -id "$engine_window" | tr -d ' ' | grep -qx "Width:$1" &&
    xwininfo -id "$engine_window" | tr -d ' ' | grep -qx "Height:$2"; }

  xdotool windowsize "$host" 16384 16384
  until_within 'size_is 640 360' 100 || { kill "$ride" "$host_pid"; fail "the ride grew past the 640x360 screen"; }
  local before
  before=$(swaps "$log")
  until_within '[ "$(swaps "$log")" -ge $((before + 30)) ]' 150 ||
    { kill "$ride" "$host_pid"; fail "frames stopped in the huge host"; }
  local rss
  rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$ride/status")
  [ "$rss" -lt $((600 * 1024)) ] || { kill "$ride" "$host_pid"; fail "$rss kB resident in the huge host"; }
  # One side past the screen, the other inside it.
  xdotool windowsize "$host" 500 16384
  until_within 'size_is 500 360' 100 ||
    { kill "$ride" "$host_pid"; fail "one side did not follow, the other not bounded"; }
  kill -TERM "$ride"
  gone_within "$ride" 10 || { kill -KILL "$ride"; kill "$host_pid"; fail "SIGTERM unanswered for 1 s"; }
  kill "$host_pid"
}

export -f fail gone_within until_within output_within cpu_ticks swaps swap_time copies start_ride fraction above \
  hosted_engine_window wait_for_hosted_engine paced_and_trails_on_a_discarding_driver \
  trails_without_a_copy_where_the_config_keeps_the_back_buffer \
  stays_on_top_under_a_window_manager one_ride_per_monitor rests_while rests_while_nobody_can_see_it bounded_inside_a_huge_host
export bin work
# Runs one case on a virtual display of size $1. A command that fails under set -e names itself,
# and a case that hangs shows its last steps, so no case can fail without a word.
run_case() {
  local trace=$work/trace-$2
  "$scripts/with-xvfb" --size "$1" bash -c "exec 5>'$trace'; BASH_XTRACEFD=5; set -x
    set -eEuo pipefail; trap 'echo \"FAIL: line \$LINENO: \$BASH_COMMAND\" >&2' ERR; $2" &
  local case_pid=$!
  if ! gone_within "$case_pid" 2400; then
    echo "FAIL: $2 still ran after 240 s; its last steps:" >&2
    tail -n 20 "$trace" >&2
    kill "$case_pid"
    exit 1
  fi
  wait "$case_pid"
}
# Small enough that frames fit the refresh period even on a busy machine.
run_case 640x360 paced_and_trails_on_a_discarding_driver
run_case 640x360 trails_without_a_copy_where_the_config_keeps_the_back_buffer
run_case 1280x720 stays_on_top_under_a_window_manager
run_case 2560x720 one_ride_per_monitor
run_case 640x360 bounded_inside_a_huge_host
run_case 1280x720 rests_while_nobody_can_see_it
echo "engine desktop: 6 passed, 0 failed"
