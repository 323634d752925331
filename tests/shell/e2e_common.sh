# Shared by the shell's end-to-end scripts; sourced, never run. A script calls
#   run_on_virtual_display "$@"
# first: it runs the script again on a private virtual display of its own, so that every window
# and process it starts goes when the display goes. Every wait here is bounded.
set -euo pipefail

bin=$(cd "$1" && pwd)
scripts=${TAVROLIN_SCRIPTS:?}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../support/script_helpers.sh"

run_on_virtual_display() {
  if [ -z "${TAVROLIN_E2E_INNER:-}" ]; then
    TAVROLIN_E2E_INNER=1 exec "$scripts/with-xvfb" --size "${display_size:-1280x720}" bash "$0" "$@"
  fi
}

work=$(mktemp -d)
started=()
cleanup() {
  local pid
  for pid in "${started[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config
mkdir -p "$HOME" "$work/runtime"
chmod 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime
workfolder=$XDG_CONFIG_HOME/nerevo_temp
pointer_log=$work/pointer.log

# A PulseAudio server of the test's own in folder $1 with a null sink, never the machine's: the
# shell and the checks talk to this one only.
start_private_pulse() {
  mkdir -p "$1"
  pulseaudio -n --daemonize=no --use-pid-file=no --exit-idle-time=-1 \
    --load="module-native-protocol-unix auth-anonymous=1 socket=$1/native" \
    --load="module-null-sink sink_name=tavrolin_test" >"$1/log" 2>&1 &
  started+=("$!")
  export PULSE_SERVER=unix:$1/native
  until_within 'timeout 5 pactl info >/dev/null 2>&1' 100 ||
    fail "the test's sound server did not start: $(cat "$1/log")"
}

# Sound streams connected to the sink that are not paused.
playing_streams() {
  timeout 5 pactl list sink-inputs | grep -c 'Corked: no' || true
}

# Waits up to $2 tenths of a second until $1 streams play; never more than one may play.
wait_for_playing_streams() {
  local tenth count
  for tenth in $(seq "$2"); do
    count=$(playing_streams)
    [ "$count" -le 1 ] || fail "$count streams play at once"
    [ "$count" -eq "$1" ] && return 0
    sleep 0.1
  done
  return 1
}

# Starts the shell in the background with its pointer requests logged; sets $shell_pid.
start_shell() {
  : >"$pointer_log"
  LD_PRELOAD=$bin/tavrolin_pointer_log.so TAVROLIN_POINTER_LOG=$pointer_log "${shell_program:-$bin/Tavrolin.scr}" "$@" &
  shell_pid=$!
  started+=("$shell_pid")
}

# Runs the shell in the foreground, expecting it to end by itself within $2 seconds with status
# $1; what it wrote goes to $shell_output and $shell_errors.
shell_ends_with() {
  local expected=$1 seconds=$2
  shift 2
  : >"$pointer_log"
  shell_output=$work/shell.out shell_errors=$work/shell.err
  local status=0
  LD_PRELOAD=$bin/tavrolin_pointer_log.so TAVROLIN_POINTER_LOG=$pointer_log \
    timeout "$seconds" "${shell_program:-$bin/Tavrolin.scr}" "$@" >"$shell_output" 2>"$shell_errors" || status=$?
  [ "$status" -ne 124 ] || fail "Tavrolin.scr $* still ran after $seconds s"
  [ "$status" -eq "$expected" ] || fail "Tavrolin.scr $* ended with status $status, not $expected"
}

shell_ends_at_once() {
  shell_ends_with 0 "$@"
}

window_count() {
  xdotool search --name "^$1\$" 2>/dev/null | wc -l
}

# Makes a window titled $1 of size $2 ("hidden" as $3 leaves it unmapped); sets $window_id and
# $window_pid.
make_window() {
  local out=$work/window.$RANDOM
  # A Qt program with no session bus would start one that outlives it.
  DBUS_SESSION_BUS_ADDRESS=disabled: "$bin/tavrolin_test_window" window "$1" "$2" ${3:-} >"$out" 2>/dev/null &
  window_pid=$!
  started+=("$window_pid")
  until_within '[ -s "$out" ]' 100 || true
  window_id=$(head -n 1 "$out")
  [ -n "$window_id" ] || fail "the helper window '$1' did not appear"
}

# The pointer requests the last shell run made, one word per line.
pointer_requests() {
  tr '\n' ' ' <"$pointer_log" | sed 's/ $//'
}

# The Tavrolin processes of this display that are still alive (zombies waiting for their reaper
# have ended), as "pid name" lines. Other tests' processes run on other displays.
live_tavrolin_processes() {
  local pid number=${DISPLAY#:}
  number=${number%.*}
  # Started through the installed link, the shell's process is named "tavrolin".
  for pid in $(ps -eo pid=,comm= | awk '$2 == "Tavrolin.scr" || $2 == "Tavrolin.dll" || $2 == "tavrolin" { print $1 }'); do
    [ "$(ps -o stat= -p "$pid" 2>/dev/null | cut -c1)" = Z ] && continue
    # Managers hand their savers the display with its screen number (":5.0"); any local spelling counts.
    { tr '\0' '\n' <"/proc/$pid/environ"; } 2>/dev/null \
      | grep -qxE "DISPLAY=(unix)?:$number(\.[0-9]+)?" || continue
    echo "$pid $(ps -o comm= -p "$pid" 2>/dev/null)"
  done
}

# True once no Tavrolin process of this display is alive, waiting up to $1 tenths of a second.
all_tavrolin_ended_within() { until_within '[ -z "$(live_tavrolin_processes)" ]' "$1"; }

# True once the $2 (WxH+X+Y) part of the screen shows the ride, looking up to $3 times: hardly
# any pixel of the helper window's grey is left and some are bright. Screenshot in $1.
shows_ride() {
  local attempt covered bright
  for attempt in $(seq "$3"); do
    import -window root "$1"
    covered=$(convert "$1" -crop "$2" +repage -fuzz 1% -transparent 'rgb(128,128,128)' -alpha extract -format '%[fx:mean]' info:)
    bright=$(convert "$1" -crop "$2" +repage -colorspace gray -threshold 50% -format '%[fx:mean]' info:)
    awk -v c="$covered" -v b="$bright" 'BEGIN { exit !(c > 0.99 && b > 0.0005) }' && return 0
    sleep 0.5
  done
  return 1
}

# Moves this script onto a nested X server with two 1280x720 monitors side by side, as Xinerama
# heads (the virtual display alone cannot place two monitors).
use_two_monitors() {
  local fifo=$work/nested.fifo number=""
  mkfifo "$fifo"
  # -noreset: a passing client that was the last to leave would reset it under the next.
  Xephyr -displayfd 3 -screen 1280x720+0+0 -screen 1280x720+1280+0 +xinerama -nolisten tcp -noreset \
    3>"$fifo" >/dev/null 2>&1 &
  started+=("$!")
  read -r -t 20 number <"$fifo" || fail "the nested two-monitor server did not start"
  # Its number comes before it is sure to take clients on a busy machine.
  until_within 'xprop -display ":$number" -root >/dev/null 2>&1' 100 ||
    fail "the nested two-monitor server took no client"
  export DISPLAY=":$number"
}
