#!/usr/bin/env bash
# The idle watcher (--idle) on KDE Plasma's KWin (ext_idle_notifier_v1) and on GNOME's mutter
# and gnome-shell (the idle monitor on the session bus), each headless as an ordinary user with
# a private session bus: idle starts the ride, the desktop's own fake input ends it, GNOME's
# idle inhibition keeps it away, and under gnome-shell the idle ride covers a focused terminal.
source "$(dirname "$0")/e2e_common.sh"
source "$scripts/wayland-compositors.sh"
source "$here/idle_checks.sh"
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
  ${exec_it:-} env -i PATH="$PATH" HOME="$runtime" XDG_RUNTIME_DIR="$runtime" XDG_DATA_HOME="$runtime/share" \
    DBUS_SESSION_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS" DBUS_SYSTEM_BUS_ADDRESS="unix:path=$runtime/system_bus" \
    WAYLAND_DISPLAY="${WAYLAND_DISPLAY:-}" \
    setpriv --reuid=nobody --regid=nogroup --clear-groups "$@"
}

# Starts a desktop program as nobody in the background; its log goes to $work/$1.log.
start_as_nobody() {
  local name=$1
  shift
  # The process itself, not a subshell around it, so that ending it ends the program.
  exec_it=exec as_nobody "$@" >"$work/$name.log" 2>&1 &
  desktop+=("$!")
}

# A fresh private bus of nobody's at $runtime/$1 that the test's own clients (watcher, rides,
# keys) may use too.
new_bus() {
  rm -f "$runtime/$1"
  cat >"$base/$1.conf" <<CONFIG
<busconfig>
  <listen>unix:path=$runtime/$1</listen>
  <policy context="default">
    <allow user="*"/>
    <allow own="*"/>
    <allow send_destination="*"/>
    <allow receive_sender="*"/>
  </policy>
</busconfig>
CONFIG
  start_as_nobody "$1" dbus-daemon --nofork --config-file="$base/$1.conf"
  until_within "[ -S '$runtime/$1' ]" 100 || fail "the private bus did not start"
}

end_desktop() {
  local pid
  for pid in "${desktop[@]}"; do kill "$pid" 2>/dev/null || true; reaped_within "$pid" 50 || kill -KILL "$pid"; done
  desktop=()
  # What the desktop started in turn (gnome-shell's input method daemons).
  for pid in $(pgrep -U nobody); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "XDG_RUNTIME_DIR=$runtime" && { kill "$pid" 2>/dev/null || true; }
  done
  true
}

on_kwin_idle_rides_and_fake_input_ends_it() {
  new_bus bus
  # KWin's file capabilities keep an ordinary user from running the packaged binary.
  cp /usr/bin/kwin_wayland "$base/kwin_wayland"
  printf '[Desktop Entry]\nType=Application\nName=Fake key\nExec=%s\nX-KDE-Wayland-Interfaces=org_kde_kwin_fake_input\n' \
    "$bin/tavrolin_fake_key" >"$runtime/share/applications/tavrolin-fake-key.desktop"
  start_as_nobody kwin "$base/kwin_wayland" --virtual --width 1280 --height 720 --socket wayland-kwin \
    --no-lockscreen --no-global-shortcuts --no-kactivities
  export WAYLAND_DISPLAY=wayland-kwin
  until_within '[ -S "$runtime/wayland-kwin" ]' 200 || fail "KWin did not start: $(tail -n 5 "$work/kwin.log")"
  start_watcher 3
  engine_within 100 || fail "no ride under KWin: $(cat "$work/watcher.err")"
  # KWin hands fake input only to the program of the desktop entry, known by its executable.
  as_nobody "$bin/tavrolin_fake_key" || fail "no fake input"
  no_ride_within 10 || fail "fake input left: $(rides_of "$watcher")"
  end_watcher
  end_desktop
}

# Types each evdev key code read on its input through mutter's RemoteDesktop API, in one session
# (the first key only makes the virtual keyboard appear).
remote_keys() {
  gjs -c 'const {Gio, GLib} = imports.gi;
    const call = (path, face, method, args) => Gio.DBus.session.call_sync("org.gnome.Mutter.RemoteDesktop", path,
      "org.gnome.Mutter.RemoteDesktop" + face, method, args, null, 0, -1, null);
    const [session] = call("/org/gnome/Mutter/RemoteDesktop", "", "CreateSession", null).deepUnpack();
    call(session, ".Session", "Start", null);
    const input = new Gio.DataInputStream({base_stream: new Gio.UnixInputStream({fd: 0})});
    for (let line; (line = input.read_line_utf8(null)[0]) !== null;)
      for (const down of [true, false])
        call(session, ".Session", "NotifyKeyboardKeycode", new GLib.Variant("(ub)", [Number(line), down]));'
}

# Starts GNOME's compositor ($1: mutter or gnome-shell) headless, and its remote keys on fd 7.
start_gnome() {
  new_bus bus
  new_bus system_bus
  start_as_nobody "$1" "$1" --headless --wayland --no-x11 --wayland-display="wayland-$1" --virtual-monitor 1280x720
  export WAYLAND_DISPLAY="wayland-$1"
  until_within 'gdbus call --session --dest org.gnome.Mutter.IdleMonitor --object-path \
    /org/gnome/Mutter/IdleMonitor/Core --method org.gnome.Mutter.IdleMonitor.GetIdletime >/dev/null 2>&1' 300 ||
    fail "$1 did not start: $(tail -n 5 "$work/$1.log")"
  exec 7> >(remote_keys)
  started+=("$!")
  echo 42 >&7
}

on_mutter_idle_rides_a_remote_key_ends_it_and_the_session_inhibits_it() {
  start_gnome mutter
  # A stand-in for GNOME's session manager (none runs here), reporting idle inhibited as a
  # video player makes it until a line comes on fd 8. (mutter's idle monitor heeds it as well.)
  exec 8> >(gjs -c 'const {Gio, GLib} = imports.gi;
    const state = {InhibitedActions: 8};
    const manager = Gio.DBusExportedObject.wrapJSObject(`<node><interface name="org.gnome.SessionManager">
      <property name="InhibitedActions" type="u" access="read"/></interface></node>`, state);
    manager.export(Gio.DBus.session, "/org/gnome/SessionManager");
    Gio.bus_own_name(Gio.BusType.SESSION, "org.gnome.SessionManager", 0, null, null, null);
    new Gio.DataInputStream({base_stream: new Gio.UnixInputStream({fd: 0})}).read_line_async(0, null, () => {
      state.InhibitedActions = 0;
      manager.emit_property_changed("InhibitedActions", new GLib.Variant("u", 0));
    });
    new GLib.MainLoop(null, false).run();')
  started+=("$!")
  until_within 'gdbus introspect --session --dest org.gnome.SessionManager --object-path /org/gnome/SessionManager >/dev/null 2>&1' 100 ||
    fail "the session manager stand-in did not start"
  start_watcher 2
  sleep 6
  [ -z "$(rides_of "$watcher")" ] || fail "rode while the session inhibits idle"
  echo >&8
  echo 42 >&7
  engine_within 80 || fail "no ride under mutter: $(cat "$work/watcher.err")"
  echo 42 >&7
  no_ride_within 10 || fail "a remote key left: $(rides_of "$watcher")"
  end_watcher
  exec 7>&- 8>&-
  end_desktop
}

# The screen in $work/screen.png, by gnome-screenshot in the session as its user.
take_picture() {
  mkdir -p "$base/shots" && chown nobody "$base/shots"
  as_nobody gnome-screenshot -f "$base/shots/shot.png" 2>/dev/null && cp "$base/shots/shot.png" "$work/screen.png"
}

# The terminal's orange share of the last picture.
orange() { fraction "$work/screen.png" "" 'r > 0.9 && abs(g - 0.5) < 0.05 && b < 0.1 ? 1 : 0'; }

on_gnome_shell_the_idle_ride_covers_a_focused_terminal() {
  start_gnome gnome-shell
  start_as_nobody terminal foot --fullscreen --override=colors.background=ff8000 cat
  # Esc leaves the overview the shell starts in; the terminal then has the focus and the screen.
  # Sent until the terminal shows: an Esc before the overview is up is lost.
  until_within 'echo 1 >&7; take_picture && above "$(orange)" 0.9' 30 ||
    fail "the terminal did not show"
  start_watcher 2
  until_within 'take_picture && planet_at "$work/screen.png" 630+350' 60 || fail "no planet over the terminal"
  above "$(orange)" 0.001 && fail "the terminal shows beside the ride"
  end_watcher
  exec 7>&-
  end_desktop
}

on_kwin_idle_rides_and_fake_input_ends_it
on_mutter_idle_rides_a_remote_key_ends_it_and_the_session_inhibits_it
on_gnome_shell_the_idle_ride_covers_a_focused_terminal
echo "shell idle desktops: 3 passed"
