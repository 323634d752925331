# What the shell-script tests share; sourced, never run. It only defines functions. Waits count
# tenths of a second and are always bounded. Pictures are screenshots; regions are WxH+X+Y.

# Ends the script with one line on stderr.
fail() { echo "FAIL: $*" >&2; exit 1; }

# True once process $1 has ended, waiting up to $2 tenths; leaves it for `wait` to reap.
gone_within() {
  for _ in $(seq "$2"); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done
  ! kill -0 "$1" 2>/dev/null
}

# True once child $1 has ended, waiting up to $2 tenths; reaps it, its status in $ended_status.
reaped_within() {
  gone_within "$1" "$2" || return 1
  ended_status=0
  wait "$1" 2>/dev/null || ended_status=$?
}

# True once the command line $1 succeeds, trying up to $2 tenths.
until_within() {
  for _ in $(seq "$2"); do eval "$1" && return 0; sleep 0.1; done
  eval "$1"
}

# Prints what the command "$2..." prints once it prints anything, trying up to $1 tenths.
output_within() {
  local tenths=$1 out
  shift
  for _ in $(seq "$tenths"); do
    out=$("$@" 2>/dev/null) || true
    [ -n "$out" ] && { echo "$out"; return 0; }
    sleep 0.1
  done
  return 1
}

# The exit status of child $1, which has ended (a command substitution cannot wait for it).
status_of() { local status=0; wait "$1" || status=$?; echo "$status"; }

# CPU ticks (user + system) process $1 has used so far.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

# The id of the first window titled exactly $1; with "visible" as $2 only a mapped one.
window_titled() {
  local only=()
  [ "${2:-}" = visible ] && only=(--onlyvisible)
  xdotool search "${only[@]}" --name "^$1\$" 2>/dev/null | head -n 1
}

# Prints the id of a window titled exactly $1 once it exists, waiting up to $2 tenths; "visible"
# as $3 counts only a mapped one.
wait_for_window() { output_within "$2" window_titled "$1" "${3:-}"; }

# The id of the engine window that rides inside window $1, if it is there.
hosted_engine_window() { xwininfo -id "$1" -children | awk '/"Tavrolin_VC"/ { print $1; exit }'; }

# Prints the id of the engine window that rides inside window $1 once it is there, waiting up to
# $2 tenths.
wait_for_hosted_engine() { output_within "$2" hosted_engine_window "$1"; }

# Swap count and its time (ms) from the GL probe's log $1.
swaps() { read -r count _ <"$1" 2>/dev/null && echo "${count:-0}" || echo 0; }
swap_time() { read -r _ ms <"$1" 2>/dev/null && echo "${ms:-0}" || echo 0; }

# Starts the engine in $bin with the GL probe logging swaps to $1; further words go to the
# engine, its stderr to $ride_errors if set. Sets $ride.
start_ride() {
  local log=$1
  shift
  : >"$log"
  [ -z "${ride_errors:-}" ] || : >"$ride_errors"
  LD_PRELOAD=$bin/tavrolin_gl_probe.so TAVROLIN_SWAP_LOG=$log "$bin/Tavrolin.dll" "$@" \
    2>>"${ride_errors:-/dev/stderr}" &
  ride=$!
}

# Writes the all-black character sheet into the work folder $1, so no placeholder text shows.
black_character_sheet() {
  mkdir -p "$1"
  head -c $((54 + 3 * 128 * 128)) /dev/zero >"$1/Tavrolin1.alo"
}

# Fraction of region $2 ("" for all) of picture $1 for which the fx expression $3 gives 1.
fraction() {
  local crop=()
  [ -n "$2" ] && crop=(-crop "$2" +repage)
  convert "$1" "${crop[@]}" -fx "$3" -colorspace gray -format '%[fx:mean]' info:
}

# True when number $1 is greater than number $2.
above() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }

# The share of region $2 of picture $1 that shows the blue planet.
planet_share() { fraction "$1" "$2" 'b > 0.25 && b > 1.2 * r ? 1 : 0'; }

# True when the 20x20 square at $2 (X+Y) of picture $1 shows the blue planet.
planet_at() { above "$(planet_share "$1" "20x20+$2")" 0.3; }

# The Tavrolin processes of the Wayland compositor in $XDG_RUNTIME_DIR that are still alive, as "pid name" lines.
live_on_compositor() {
  local pid
  for pid in $(pgrep '^Tavrolin\.(scr|dll)$' 2>/dev/null || true); do
    [ "$(ps -o stat= -p "$pid" 2>/dev/null | cut -c1)" = Z ] && continue
    { tr '\0' '\n' <"/proc/$pid/environ"; } 2>/dev/null | grep -qxF "XDG_RUNTIME_DIR=$XDG_RUNTIME_DIR" || continue
    echo "$pid $(ps -o comm= -p "$pid" 2>/dev/null)"
  done
}

# True once the middle of Wayland output $1 (1280x720) has shown the planet, looking up to $2
# times (the track may pass in front of it for a while). Screenshots go to $work.
planet_in_the_middle_of() {
  for _ in $(seq "$2"); do
    grim -o "$1" "$work/$1.png" 2>/dev/null && planet_at "$work/$1.png" 630+350 && return 0
    sleep 0.5
  done
  return 1
}
