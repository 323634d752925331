# Headless Wayland compositors for tests and benchmarks, started privately. Source this file.
#   start_sway FOLDER [WxH] [OUTPUTS]  sway on the pixman renderer, no XWayland, as `nobody`,
#                                      with OUTPUTS headless outputs HEADLESS-1.. (default 1)
#   start_weston FOLDER [WxH]          weston's headless back end (no layer shell)
#   stop_compositor                    ends the one started
# Both export WAYLAND_DISPLAY and XDG_RUNTIME_DIR for the clients, unset DISPLAY and set
# $compositor to the server's process id; start_sway also exports SWAYSOCK for swaymsg.
# FOLDER receives the compositor's log; the runtime folder is a new one under /tmp (one that
# nobody can reach), removed by stop_compositor.

# Waits up to $2 tenths of a second until the command $1 succeeds.
wayland_wait_until() {
  local tenth
  for tenth in $(seq "$2"); do eval "$1" && return 0; sleep 0.1; done
  return 1
}

# The socket the compositor made in $1, once it listens.
wayland_socket_in() {
  local socket
  for socket in "$1"/wayland-*; do
    [ -S "$socket" ] && { basename "$socket"; return 0; }
  done
  return 1
}

start_sway() {
  local folder=$1 size=${2:-1280x720} outputs=${3:-1}
  mkdir -p "$folder"
  wayland_runtime=$(mktemp -d /tmp/tavrolin-wayland.XXXXXX)
  chmod 0711 "$wayland_runtime"
  mkdir "$wayland_runtime/sway"
  local runtime=$wayland_runtime/sway
  chown nobody:nogroup "$runtime"
  chmod 0700 "$runtime"
  local config=$runtime/config index
  {
    echo "xwayland disable"
    echo "default_border none"
    for index in 1 2 3 4; do echo "output HEADLESS-$index resolution $size"; done
  } >"$config"
  chown nobody:nogroup "$config"
  # sway refuses to run as root; clients running as root reach its socket all the same.
  env -i PATH="$PATH" HOME="$runtime" XDG_RUNTIME_DIR="$runtime" \
    WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 WLR_HEADLESS_OUTPUTS="$outputs" \
    setpriv --reuid=nobody --regid=nogroup --clear-groups sway -c "$config" >"$folder/compositor.log" 2>&1 &
  compositor=$!
  export XDG_RUNTIME_DIR=$runtime
  unset DISPLAY
  if ! wayland_wait_until 'wayland_socket_in "$XDG_RUNTIME_DIR" >/dev/null &&
      ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock >/dev/null 2>&1' 200; then
    echo "sway did not start:" >&2
    tail -n 20 "$folder/compositor.log" >&2
    return 1
  fi
  WAYLAND_DISPLAY=$(wayland_socket_in "$XDG_RUNTIME_DIR")
  SWAYSOCK=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock | head -n 1)
  export WAYLAND_DISPLAY SWAYSOCK
  wayland_wait_until '[ "$(swaymsg -t get_outputs -r | grep -c "\"name\": \"HEADLESS-")" -ge "$outputs" ]' 100 || {
    echo "sway did not make $outputs outputs" >&2
    return 1
  }
}

start_weston() {
  local folder=$1 size=${2:-1280x720}
  mkdir -p "$folder"
  wayland_runtime=$(mktemp -d /tmp/tavrolin-wayland.XXXXXX)
  export XDG_RUNTIME_DIR=$wayland_runtime
  unset DISPLAY
  weston --backend=headless-backend.so --socket=wayland-tavrolin --width="${size%x*}" --height="${size#*x}" \
    --idle-time=0 >"$folder/compositor.log" 2>&1 &
  compositor=$!
  if ! wayland_wait_until '[ -S "$XDG_RUNTIME_DIR/wayland-tavrolin" ]' 200; then
    echo "weston did not start:" >&2
    tail -n 20 "$folder/compositor.log" >&2
    return 1
  fi
  export WAYLAND_DISPLAY=wayland-tavrolin
}

stop_compositor() {
  if [ -n "${compositor:-}" ]; then
    kill "$compositor" 2>/dev/null || true
    wait "$compositor" 2>/dev/null || true
  fi
  compositor=""
  [ -z "${wayland_runtime:-}" ] || rm -rf "$wayland_runtime"
  wayland_runtime=""
}
