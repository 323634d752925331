# Starts the real screensaver managers for the end-to-end scripts; sourced after e2e_common.sh.
# Each start records its process for the common clean-up.

# xscreensaver refuses to lock as root and warns, so it runs as an ordinary user with a private
# home whose .xscreensaver runs only $1 (a command line); -verbose logs how each saver ended.
# Sets $manager_home.
start_xscreensaver() {
  chmod 755 "$work"
  manager_home=$work/xscreensaver-home
  mkdir -p "$manager_home"
  cat >"$manager_home/.xscreensaver" <<SETTINGS
mode: one
selected: 0
timeout: 0:30:00
lock: False
fade: False
unfade: False
splash: False
programs: $1 \\n
SETTINGS
  chown -R nobody "$manager_home"
  runuser -u nobody -- env HOME="$manager_home" DISPLAY="$DISPLAY" PATH="$PATH" xscreensaver -no-splash -verbose >"$work/xscreensaver.log" 2>&1 &
  started+=("$!")
  until_within 'xscreensaver_command -version >/dev/null 2>&1' 100 ||
    fail "xscreensaver did not start: $(cat "$work/xscreensaver.log")"
}

# The pid of the $1th saver xscreensaver has started (its verbose log names each), if there is one.
saver_pid() {
  sed -n 's/.*forked "[^"]*tavrolin[^"]*" in pid \([0-9]*\).*/\1/p' "$work/xscreensaver.log" | sed -n "$1p"
}

# Prints the pid of the $1th saver xscreensaver has started once there is one, waiting up to 15 s.
saver_started_by_xscreensaver() { output_within 150 saver_pid "$1"; }

xscreensaver_command() {
  runuser -u nobody -- env HOME="$manager_home" DISPLAY="$DISPLAY" xscreensaver-command "$@"
}

# xsecurelock with $1 as its saver; sets $locker_pid.
start_xsecurelock() {
  XSECURELOCK_SAVER=$1 xsecurelock >"$work/xsecurelock.log" 2>&1 &
  locker_pid=$!
  started+=("$locker_pid")
}

# xautolock with $1 as its locker, a long idle time; `xautolock -locknow` starts the locker. As
# from many desktop sessions, it runs without a runtime folder.
start_xautolock() {
  env -u XDG_RUNTIME_DIR xautolock -time 10 -locker "$1" >"$work/xautolock.log" 2>&1 &
  xautolock_pid=$!
  started+=("$xautolock_pid")
  # A request that comes before xautolock listens is lost: ask until the locker runs.
  local attempt
  for attempt in $(seq 10); do
    xautolock -locknow 2>/dev/null || true
    until_within '[ -n "$(live_tavrolin_processes)" ]' 20 && return 0
  done
  fail "xautolock did not start its locker"
}

# True once the screen shows a ride, black space with some bright track, stars or planet,
# looking up to $2 times; the last screenshot is left in $1.
screen_shows_ride() {
  local attempt bright dark
  for attempt in $(seq "$2"); do
    import -window root "$1"
    bright=$(convert "$1" -colorspace gray -threshold 50% -format '%[fx:mean]' info:)
    dark=$(convert "$1" -colorspace gray -threshold 10% -negate -format '%[fx:mean]' info:)
    awk -v b="$bright" -v d="$dark" 'BEGIN { exit !(b > 0.0005 && d > 0.5) }' && return 0
    sleep 0.5
  done
  return 1
}

# The pid of a live engine of this display, if there is one.
engine_process() { live_tavrolin_processes | awk '$2 == "Tavrolin.dll" { print $1; exit }'; }

# Prints the pid of a live engine of this display once there is one, waiting up to $1 tenths.
wait_for_engine_process() { output_within "$1" engine_process; }
