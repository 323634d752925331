#!/usr/bin/env bash
# The real engine as a native Wayland client of real headless compositors: sway (layer shell)
# and weston (no layer shell). No X display anywhere.
set -euo pipefail
bin=$1
scripts=${TAVROLIN_SCRIPTS:?}
work=$(mktemp -d)
source "$scripts/wayland-compositors.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../support/script_helpers.sh"
trap 'stop_compositor; kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config
black_character_sheet "$XDG_CONFIG_HOME/nerevo_temp"
ride_errors=$work/stderr

# The ride ends within $2 tenths with status $1 and one line on stderr; $3 names the case.
ride_refused_with() {
  gone_within "$ride" "$2" || fail "$3: the engine went on"
  [ "$(status_of "$ride")" = "$1" ] || fail "$3: exit status not $1"
  [ "$(wc -l <"$work/stderr")" = 1 ] || fail "$3: stderr $(cat "$work/stderr")"
}

a_layer_over_everything_ended_by_its_keys() {
  local log=$work/swaps-ride launched=${EPOCHREALTIME/./}
  WAYLAND_DEBUG=client start_ride "$log"
  # Esc well before 2 s of ride time is held until the fade-in is over. The key goes to a virtual
  # keyboard made when wtype starts; the ride must be on the output by then to get its focus.
  for _ in $(seq 300); do [ "$(swaps "$log")" -ge 1 ] && break; sleep 0.05; done
  wtype -s 600 -k Escape
  gone_within "$ride" 80 || fail "Esc pressed early did not end the ride at 2 s"
  local lasted=$(( (${EPOCHREALTIME/./} - launched) / 1000 ))
  [ "$lasted" -ge 2000 ] || fail "Esc ended the ride after $lasted ms, before 2 seconds of ride time"
  [ "$(status_of "$ride")" = 0 ] || fail "early Esc: exit status not 0"
  [ "$(swaps "$log")" -gt 0 ] || fail "the ride drew nothing"
  # Layer 3 (overlay): above full-screen windows.
  grep -q 'get_layer_surface(.*, 3, "tavrolin")' "$work/stderr" || fail "the ride is not on the overlay layer"

  start_ride "$log" --output HEADLESS-2
  planet_in_the_middle_of HEADLESS-2 60 || fail "no planet in the middle of the output"
  grim -o HEADLESS-1 "$work/other.png"
  local spread
  spread=$(convert "$work/other.png" -colorspace Gray -format '%[fx:standard_deviation]' info:)
  awk -v s="$spread" 'BEGIN { exit !(s < 0.01) }' || fail "the ride shows on the output not asked for"
  [ "$(swaymsg -t get_tree | grep -c '"app_id": "tavrolin"')" = 0 ] || fail "the ride is an ordinary window"
  wtype -s 1500 -k Escape
  gone_within "$ride" 10 || fail "Esc after the fade-in did not end the ride within 1 s"
  [ "$(status_of "$ride")" = 0 ] || fail "Esc: exit status not 0"
}

a_hidden_window_rests_and_a_closed_one_ends() {
  local log=$work/swaps-window
  start_ride "$log" --fullscreen-window
  until_within '[ "$(swaps "$log")" -ge 30 ]' 300 || fail "the full-screen window did not start drawing"
  # Read whole: grep -q would leave swaymsg writing into a closed pipe.
  [ "$(swaymsg -t get_tree | grep -c '"name": "Tavrolin_VC"')" = 1 ] || fail "no window titled Tavrolin_VC"
  swaymsg '[app_id="tavrolin"] move container to workspace 9' >/dev/null
  # A frame already asked for may still come: wait until half a second passes without one.
  local last=-1 still=0
  for _ in $(seq 100); do
    [ "$(swaps "$log")" = "$last" ] && still=$((still + 1)) || still=0
    last=$(swaps "$log")
    [ "$still" -ge 5 ] && break
    sleep 0.1
  done
  local before ticks
  before=$(swaps "$log") ticks=$(cpu_ticks "$ride")
  sleep 8 # the span measured, not a wait for a condition
  local drawn=$(( $(swaps "$log") - before ))
  local used=$(( $(cpu_ticks "$ride") - ticks ))
  [ "$drawn" = 0 ] || fail "$drawn frames drawn on a workspace not shown"
  # 2 % of a core over 8 s, in clock ticks.
  local limit=$(( $(getconf CLK_TCK) * 8 * 2 / 100 ))
  [ "$used" -le "$limit" ] || fail "$used ticks of CPU in 8 s of rest (limit $limit)"
  swaymsg workspace 9 >/dev/null
  local shown=$(( $(date +%s%N) / 1000000 ))
  for _ in $(seq 100); do [ "$(swaps "$log")" -gt "$before" ] && break; sleep 0.02; done
  local waited=$(( $(date +%s%N) / 1000000 - shown ))
  [ "$(swaps "$log")" -gt "$before" ] || fail "no frames once shown again"
  [ "$waited" -le 500 ] || fail "frames came $waited ms after the window was shown"
  # The compositor closes the window: this ride is over, status 3.
  swaymsg '[app_id="tavrolin"] kill' >/dev/null
  gone_within "$ride" 20 || fail "the ride went on after the compositor closed its window"
  [ "$(status_of "$ride")" = 3 ] || fail "closed window: exit status not 3"
}

# Buffers at the output's pixels: an output at scale 2 gets 1280×720 buffers for its 640×360.
# The buffers are Mesa's (software rendering here), seen in the client's protocol log.
a_scaled_output_gets_full_pixels() {
  swaymsg output HEADLESS-2 scale 2 >/dev/null
  local log=$work/swaps-scaled
  WAYLAND_DEBUG=client start_ride "$log" --output HEADLESS-2 --background
  until_within '[ "$(swaps "$log")" -ge 5 ]' 300 || fail "no frames on the scaled output"
  kill -TERM "$ride"
  gone_within "$ride" 10 || fail "SIGTERM did not end the background ride within 1 s"
  [ "$(status_of "$ride")" = 143 ] || fail "SIGTERM on the background: exit status not 143"
  # Layer 0 (background): below every bottom-layer surface and window.
  grep -q 'get_layer_surface(.*, 0, "tavrolin")' "$work/stderr" || fail "the wallpaper is not on the background layer"
  grep -q 'zwlr_layer_surface_v1@[0-9]*\.configure([0-9]*, 640, 360)' "$work/stderr" || fail "not configured 640x360"
  grep -q 'wl_surface@[0-9]*\.set_buffer_scale(2)' "$work/stderr" || fail "buffer scale not 2"
  grep -Eq '(create_buffer|create_immed)\(.*, 1280, 720,' "$work/stderr" || fail "buffers not 1280x720"
  ! grep -Eq '(create_buffer|create_immed)\(.*, 640, 360,' "$work/stderr" || fail "buffers at the output's logical size"
  swaymsg output HEADLESS-2 scale 1 >/dev/null
}

bad_outputs_and_a_lost_compositor() {
  start_ride "$work/swaps-none" --output NO-SUCH-OUTPUT
  ride_refused_with 3 50 "unknown output"

  local log=$work/swaps-lost
  start_ride "$log" --output HEADLESS-2 --background
  until_within '[ "$(swaps "$log")" -ge 5 ]' 300 || fail "the background ride did not start"
  stop_compositor
  ride_refused_with 1 10 "lost compositor, 1 s after"

  WAYLAND_DISPLAY=no-such-socket start_ride "$work/swaps-nothing"
  ride_refused_with 1 50 "missing socket"
}

# weston's headless back end has no keyboard, virtual or not: Esc is left to the sway cases, and
# the window is checked in the client's own protocol log.
# sway 1.7's headless outputs can be neither unplugged nor disabled: a stand-in compositor (the
# only fake here, also standing in for a pointer below) takes the output away, or closes the layer surface, once the ride asks for it.
an_output_that_goes_away() {
  local runtime=$work/vanishing how
  mkdir -m 0700 "$runtime"
  for how in "" --close; do
    XDG_RUNTIME_DIR=$runtime "$bin/tavrolin_stand_in_compositor" vanishing-0 $how & local server=$!
    for _ in $(seq 100); do [ -S "$runtime/vanishing-0" ] && break; sleep 0.05; done
    XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=vanishing-0 start_ride "$work/swaps-vanishing" --output FAKE-1
    gone_within "$ride" 50 || { kill "$server"; fail "the ride went on after its output went away ($how)"; }
    kill "$server"
    wait "$server" || true
    rm -f "$runtime"/vanishing-0*
    [ "$(status_of "$ride")" = 3 ] || fail "output gone ($how): exit status not 3"
    [ ! -s "$work/stderr" ] || fail "output gone ($how): stderr $(cat "$work/stderr")"
  done
}

# The same stand-in with a pointer on the surface: the ride hides it, the background leaves the
# seat alone. The background runs first, so anything it did would stand first in the log.
a_pointer_hidden_over_the_ride_only() {
  local runtime=$work/pointer
  mkdir -m 0700 "$runtime"
  XDG_RUNTIME_DIR=$runtime "$bin/tavrolin_stand_in_compositor" pointer-0 --pointer >"$work/pointer.log" &
  local server=$!
  for _ in $(seq 100); do [ -S "$runtime/pointer-0" ] && break; sleep 0.05; done
  local mode log=$work/swaps-pointer
  for mode in --background ""; do
    XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=pointer-0 start_ride "$log" --output FAKE-1 $mode
    for _ in $(seq 100); do [ "$(swaps "$log")" -ge 1 ] && break; sleep 0.1; done
    [ "$mode" = --background ] || for _ in $(seq 100); do grep -q hidden "$work/pointer.log" && break; sleep 0.1; done
    # The stand-in never asks for a next frame: the ride rests, and a stop ends it undrawn.
    local drawn
    drawn=$(swaps "$log")
    kill -TERM "$ride"
    gone_within "$ride" 30 || { kill "$server"; fail "SIGTERM did not end the resting ride ($mode)"; }
    [ "$(status_of "$ride")" = 143 ] || { kill "$server"; fail "pointer ($mode): exit status not 143"; }
    [ "$(swaps "$log")" = "$drawn" ] || { kill "$server"; fail "a frame drawn for the stop ($mode)"; }
  done
  kill "$server"
  [ "$(cat "$work/pointer.log")" = $'seat bound\npointer hidden' ] ||
    fail "pointer requests: $(tr '\n' ' ' <"$work/pointer.log")"
}

# A 30000×30000 configure at scale 4: buffers no larger than the output's 1280×720 mode.
a_huge_configure_is_bounded() {
  local runtime=$work/huge log=$work/swaps-huge
  mkdir -m 0700 "$runtime"
  XDG_RUNTIME_DIR=$runtime "$bin/tavrolin_stand_in_compositor" huge-0 --huge & local server=$!
  until_within '[ -S "$runtime/huge-0" ]' 100
  XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=huge-0 WAYLAND_DEBUG=client start_ride "$log" --output FAKE-1
  until_within '[ "$(swaps "$log")" -ge 1 ]' 300
  kill -TERM "$ride" 2>/dev/null || true
  gone_within "$ride" 30 || { kill "$server"; fail "SIGTERM did not end the huge ride"; }
  kill "$server"
  [ "$(status_of "$ride")" = 143 ] || fail "huge configure: exit status not 143"
  grep -Eq 'create_buffer\(.*, 1280, 720,' "$work/stderr" || fail "huge configure: buffers not 1280x720"
  ! grep -Eq 'create_buffer\(.*, (30000|120000),' "$work/stderr" || fail "huge configure: buffers unbounded"
}

full_screen_without_the_layer_shell() {
  local log=$work/swaps-weston
  WAYLAND_DEBUG=client start_ride "$log"
  until_within '[ "$(swaps "$log")" -ge 30 ]' 300 || fail "no frames under weston"
  grep -q 'xdg_toplevel@[0-9]*\.set_title("Tavrolin_VC")' "$work/stderr" || fail "window not titled Tavrolin_VC"
  grep -q 'xdg_toplevel@[0-9]*\.set_app_id("tavrolin")' "$work/stderr" || fail "window's app id not tavrolin"
  grep -q 'xdg_toplevel@[0-9]*\.set_fullscreen(nil)' "$work/stderr" || fail "window not asked to be full screen"
  grep -q 'xdg_toplevel@[0-9]*\.configure(1280, 720, ' "$work/stderr" || fail "weston did not make it 1280x720"
  # No bound is set for this one: a generous one, for a busy machine.
  kill -TERM "$ride"
  gone_within "$ride" 30 || fail "SIGTERM did not end the ride within 3 s"
  [ "$(status_of "$ride")" = 143 ] || fail "SIGTERM: exit status not 143"

  # A wallpaper cannot be had without the layer shell: refused, nothing shown.
  start_ride "$work/swaps-refused" --background
  ride_refused_with 1 50 "--background under weston"
  [ "$(swaps "$work/swaps-refused")" = 0 ] || fail "--background under weston drew"
}

unset DISPLAY
start_sway "$work/sway" 1280x720 2
a_layer_over_everything_ended_by_its_keys
a_hidden_window_rests_and_a_closed_one_ends
a_scaled_output_gets_full_pixels
bad_outputs_and_a_lost_compositor
an_output_that_goes_away
a_pointer_hidden_over_the_ride_only
a_huge_configure_is_bounded
start_weston "$work/weston" 1280x720
full_screen_without_the_layer_shell
stop_compositor
echo "engine wayland: 8 passed, 0 failed"
