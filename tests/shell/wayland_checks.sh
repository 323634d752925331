# Checks of the Wayland end-to-end scripts, sourced after e2e_common.sh and a compositor's start.

# The Tavrolin processes of this compositor that are still alive, as "pid name" lines.
live_on_compositor() {
  local pid
  for pid in $(pgrep '^Tavrolin\.(scr|dll)$' 2>/dev/null || true); do
    [ "$(ps -o stat= -p "$pid" 2>/dev/null | cut -c1)" = Z ] && continue
    { tr '\0' '\n' <"/proc/$pid/environ"; } 2>/dev/null | grep -qxF "XDG_RUNTIME_DIR=$XDG_RUNTIME_DIR" || continue
    echo "$pid $(ps -o comm= -p "$pid" 2>/dev/null)"
  done
}

# True once none is left, waiting up to $1 tenths of a second.
none_left_within() {
  local tenth
  for tenth in $(seq "$1"); do
    [ -z "$(live_on_compositor)" ] && return 0
    sleep 0.1
  done
  return 1
}

# Fraction of the $2 (WxH+X+Y) part of picture $1 for which the fx expression $3 gives 1.
fraction() {
  convert "$1" -crop "$2" +repage -fx "$3" -colorspace gray -format '%[fx:mean]' info:
}

above() { awk -v v="$1" -v t="$2" 'BEGIN { exit !(v > t) }'; }

take_picture() { grim -o "$1" "$2" 2>/dev/null; }

# True once the middle of output $1 has shown the blue planet, looking up to $2 times (the
# track may pass in front of it for a while).
planet_in_the_middle_of() {
  local attempt
  for attempt in $(seq "$2"); do
    take_picture "$1" "$work/$1.png" &&
      above "$(fraction "$work/$1.png" 20x20+630+350 'b > 0.25 && b > 1.2 * r ? 1 : 0')" 0.3 && return 0
    sleep 0.5
  done
  return 1
}


# The idle watcher's rides: its children and theirs, as "pid name" lines.
rides_of() {
  local child
  for child in $(pgrep -P "$1" 2>/dev/null || true); do
    echo "$child $(ps -o comm= -p "$child")"
    pgrep -P "$child" -l 2>/dev/null || true
  done
}

# True once the watcher has an engine running ($1 tenths at most).
engine_within() {
  wayland_wait_until 'rides_of $watcher | grep -q Tavrolin.dll' "$1"
}

# True once the watcher has no ride left ($1 tenths at most).
no_ride_within() {
  wayland_wait_until '[ -z "$(rides_of $watcher)" ]' "$1"
}

start_watcher() {
  "$bin/Tavrolin.scr" --idle "$@" 2>"$work/watcher.err" &
  watcher=$!
  started+=("$watcher")
}
