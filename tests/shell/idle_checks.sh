# Checks of the idle watcher's end-to-end scripts; sourced after e2e_common.sh.

# The idle watcher's rides: its children and theirs, as "pid name" lines.
rides_of() {
  local child
  for child in $(pgrep -P "$1" 2>/dev/null || true); do
    echo "$child $(ps -o comm= -p "$child")"
    pgrep -P "$child" -l 2>/dev/null || true
  done
}

# True once the watcher has an engine running ($1 tenths at most).
engine_within() { until_within 'rides_of $watcher | grep -q Tavrolin.dll' "$1"; }

# True once the watcher has no ride left ($1 tenths at most).
no_ride_within() { until_within '[ -z "$(rides_of $watcher)" ]' "$1"; }

# Starts the watcher with these arguments after --idle; sets $watcher.
start_watcher() {
  "$bin/Tavrolin.scr" --idle "$@" 2>"$work/watcher.err" &
  watcher=$!
  started+=("$watcher")
}

# Ends the watcher by SIGTERM; its status is then in $ended_status.
end_watcher() {
  kill -TERM "$watcher"
  reaped_within "$watcher" 30 || fail "the watcher outlived SIGTERM"
}
