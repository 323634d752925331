#!/usr/bin/env bash
# The idle watcher (--idle) on KDE Plasma's KWin (ext_idle_notifier_v1) and on GNOME's mutter
# and gnome-shell (the idle monitor on the session bus), each headless as an ordinary user with
# a private session bus: idle starts the ride, the desktop's own fake input ends it, GNOME's
# idle inhibition keeps it away, and under gnome-shell the idle ride covers a focused terminal.
source "$(dirname "$0")/e2e_common.sh"
source "$scripts/wayland-compositors.sh"
unset DISPLAY

# A folder of nobody's for the desktop's sockets, its bus and its data.
base=$(mktemp -d /tmp/tavrolin-desktop.XXXXXX)
chmod 0711 "$base"
runtime=$base/runtime
mkdir -p "$runtime/share/applications"
chown -R nobody:nogroup "$runtime"
chmod 0700 "$runtime"
desktop=()
trap 'end_desktop; rm -rf "$base"; cleanup' EXIT
export XDG_RUNTIME_DIR=$runtime DBUS_SESSION_BUS_ADDRESS=unix:path=$runtime/bus

as_nobody() {
  env -i PATH="$PATH" HOME="$runtime" XDG_RUNTIME_DIR="$runtime" XDG_DATA_HOME="$runtime/share" \
    DBUS_SESSION_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS" WAYLAND_DISPLAY="${WAYLAND_DISPLAY:-}" \
    setpriv --reuid=nobody --regid=nogroup --clear-groups "$@"
}

# Starts a desktop program as nobody in the background; its log goes to $work/$1.log.
start_as_nobody() {
  local name=$1
  shift
  as_nobody "$@" >"$work/$name.log" 2>&1 &
  desktop+=("$!")
}

# A fresh private bus of nobody's that the test's own clients (watcher, rides, keys) may use too.
new_bus() {
  rm -f "$runtime/bus"
  cat >"$base/bus.conf" <<CONFIG
<busconfig>
  <type>session</type>
  <listen>unix:path=$runtime/bus</listen>
  <policy context="default">
    <allow user="*"/>
    <allow own="*"/>
    <allow send_destination="*"/>
  </policy>
</busconfig>
CONFIG
  start_as_nobody bus dbus-daemon --nofork --config-file="$base/bus.conf"
  wayland_wait_until '[ -S "$runtime/bus" ]' 100 || fail "the private bus did not start"
}

end_desktop() {
  local pid
  for pid in "${desktop[@]}"; do kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true; done
  desktop=()
}

# The watcher's rides: its children and theirs.
rides_of() {
  local child
  for child in $(pgrep -P "$1" 2>/dev/null || true); do
    echo "$child $(ps -o comm= -p "$child")"
    pgrep -P "$child" -l 2>/dev/null || true
  done
}

start_watcher() {
  "$bin/Tavrolin.scr" --idle "$@" 2>"$work/watcher.err" &
  watcher=$!
  started+=("$watcher")
}

on_kwin_idle_rides_and_fake_input_ends_it() {
  new_bus
  # KWin's file capabilities keep an ordinary user from running the packaged binary.
  cp /usr/bin/kwin_wayland "$base/kwin_wayland"
  printf '[Desktop Entry]\nType=Application\nName=Fake key\nExec=%s\nX-KDE-Wayland-Interfaces=org_kde_kwin_fake_input\n' \
    "$bin/tavrolin_fake_key" >"$runtime/share/applications/tavrolin-fake-key.desktop"
  start_as_nobody kwin "$base/kwin_wayland" --virtual --width 1280 --height 720 --socket wayland-kwin \
    --no-lockscreen --no-global-shortcuts --no-kactivities
  export WAYLAND_DISPLAY=wayland-kwin
  wayland_wait_until '[ -S "$runtime/wayland-kwin" ]' 200 || fail "KWin did not start: $(tail -n 5 "$work/kwin.log")"
  start_watcher 3
  wayland_wait_until "rides_of $watcher | grep -q Tavrolin.dll" 100 || fail "no ride under KWin: $(cat "$work/watcher.err")"
  # KWin hands fake input only to the program of the desktop entry, known by its executable.
  as_nobody "$bin/tavrolin_fake_key" || fail "no fake input"
  wayland_wait_until "[ -z \"\$(rides_of $watcher)\" ]" 10 || fail "fake input left: $(rides_of "$watcher")"
  kill -TERM "$watcher"
  ended_within "$watcher" 30 || fail "the watcher outlived SIGTERM"
  end_desktop
}

on_kwin_idle_rides_and_fake_input_ends_it
echo "shell idle desktops: passed"
