#!/usr/bin/env bash
# Starts that end at once: beside a marker window of another instance (mapped or not) before
# anything is done, with a mode letter that opens no window after the engine check, for
# --help and --version, and without a private folder for the locks.
source "$(dirname "$0")/e2e_common.sh"
run_on_virtual_display "$@"

every_start_ends_at_once_beside() {
  local marker=$1
  make_window "$marker" 100x100 hidden
  local marker_pid=$window_pid
  wait_for_window "$marker" 50 >/dev/null || fail "the marker '$marker' cannot be found"
  make_window area 152x112
  local area=$window_id
  for mode in /s /S -s /c "/p $area" "/p:$area" ""; do
    # shellcheck disable=SC2086
    shell_ends_at_once 5 $mode
    [ -z "$(pointer_requests)" ] || fail "'$mode' beside '$marker' touched the pointer"
  done
  # What names no mode is refused all the same, beside a ride or the dialog.
  for mode in s /x --bogus; do
    shell_ends_with 2 5 $mode
    grep -qx "tavrolin: unknown command '$mode'; try 'tavrolin --help'" "$shell_errors" || fail "'$mode' beside '$marker' said '$(cat "$shell_errors")'"
  done
  rm -rf "$workfolder"
  [ "$(window_count Tavrolin_VC)" -eq 0 ] || fail "a start beside '$marker' started the engine"
  [ "$(window_count Tavrolin_Main)" -eq $([ "$marker" = Tavrolin_Main ] && echo 1 || echo 0) ] \
    || fail "a start beside '$marker' loaded a host window"
  xwininfo -id "$area" -children | grep -q 'Preview Window' && fail "a preview showed beside '$marker'"
  [ ! -e "$workfolder" ] || fail "a start beside '$marker' made the work folder"
  kill "$marker_pid" "$window_pid"
  wait "$marker_pid" "$window_pid" 2>/dev/null || true
}

other_modes_end_after_the_engine_check() {
  for mode in s /x /y:1234; do
    # shellcheck disable=SC2086
    shell_ends_with 2 5 $mode
    [ "$(cat "$shell_errors")" = "tavrolin: unknown command '$mode'; try 'tavrolin --help'" ] \
      || fail "'$mode' said '$(cat "$shell_errors")'"
    [ -z "$(pointer_requests)" ] || fail "'$mode' touched the pointer"
    [ -d "$workfolder" ] || fail "'$mode' did not make the work folder"
    [ ! -e "$workfolder/Tavrolin1.alo" ] || fail "'$mode' wrote pictures"
    [ "$(window_count Tavrolin_VC)" -eq 0 ] || fail "'$mode' started the engine"
    rm -rf "$workfolder"
  done
}

# Without any display, and for options given twice or beside a command they do not go with.
refusals_need_no_display() {
  local words
  for words in "--bogus" "/x" "--scale 3 --scale 4" "--no-music /s --no-music" "--speed=2 --speed 2" "--x11 --x11" \
      "--stop --scale 3" "/c --no-music" "--help --speed 1" "--output DP-1 /s"; do
    # shellcheck disable=SC2086
    DISPLAY= WAYLAND_DISPLAY= shell_ends_with 2 5 $words
    [ "$(wc -l <"$shell_errors")" -eq 1 ] || fail "'$words' said '$(cat "$shell_errors")'"
  done
  rm -rf "$workfolder"
}

help_and_version_answer_without_a_window() {
  DISPLAY= shell_ends_with 0 5 --help
  grep -q '^Usage: tavrolin' "$shell_output" || fail "--help printed no usage"
  local switch
  for switch in /s /c /p -root -window-id --background --output --stop --x11; do
    grep -q -- " $switch" "$shell_output" || fail "--help does not name $switch"
  done
  shell_ends_with 0 5 -h
  grep -q '^Usage: tavrolin' "$shell_output" || fail "-h printed no usage"
  shell_ends_with 0 5 --version
  grep -Eq '^Tavrolin [0-9]+\.[0-9]+\.[0-9]+$' "$shell_output" || fail "--version said '$(cat "$shell_output")'"
  [ ! -e "$workfolder" ] || fail "--help or --version made the work folder"
  [ -z "$(pointer_requests)" ] || fail "--help or --version touched the pointer"
}

without_a_private_lock_folder_nothing_starts() {
  # Another account made the shared fallback first. Only the programs' view of it changes, in a
  # mount namespace of their own: the folder, and a login runtime folder that would be used
  # before it, are covered by ones open to all; /tmp itself stays, the build may live there.
  unshare -m true 2>/dev/null || { echo "skipped: no mount namespaces here"; return 0; }
  mkdir -m 777 "$work/shared-locks"
  chown nobody "$work/shared-locks"
  local mode status
  for mode in /s -root "/p 0x1"; do
    status=0
    # shellcheck disable=SC2086
    unshare -m bash -c 'uid=$(id -u) shared=$1; shift
      mkdir -p -m 700 "/tmp/tavrolin-$uid" && mount --bind "$shared" "/tmp/tavrolin-$uid" &&
      { [ ! -d "/run/user/$uid" ] || mount -t tmpfs -o mode=777 tmpfs "/run/user/$uid"; } &&
      exec env -u XDG_RUNTIME_DIR "$@"' - "$work/shared-locks" \
      timeout 5 "$bin/Tavrolin.scr" $mode 2>"$work/locks.err" || status=$?
    [ "$status" -eq 1 ] || fail "'$mode' without locks ended with status $status, not 1"
    grep -q '^Tavrolin.scr: no private folder for locks' "$work/locks.err" || fail "'$mode' said nothing of the locks"
  done
  [ "$(window_count Tavrolin_VC)" -eq 0 ] || fail "a start without locks started the engine"
}

# A lock file that cannot be used is said in one line with status 1, never taken for another
# instance; whatever stands at its name is left as it is.
unusable_lock_files_are_refused() {
  local locks=$XDG_RUNTIME_DIR/tavrolin number=${DISPLAY#:} case
  local name=":${number%.*}"
  mkdir -p -m 700 "$locks"
  echo kept >"$work/target"
  for case in "link run /s" "fifo run /p 0x1" "fifo ride --stop" "folder run /c"; do
    # shellcheck disable=SC2086
    set -- $case
    rm -rf "${locks:?}"/*
    case $1 in
      link) ln -s "$work/target" "$locks/$name@$2" ;;
      fifo) mkfifo "$locks/$name@$2" ;;
      folder) mkdir "$locks/$name@$2" ;;
    esac
    shift 2
    shell_ends_with 1 5 "$@"
    [ "$(wc -l <"$shell_errors")" -eq 1 ] || fail "'$case' said '$(cat "$shell_errors")'"
  done
  [ "$(cat "$work/target")" = kept ] || fail "a link's target was changed"
  unshare -m true 2>/dev/null || { echo "skipped: no mount namespaces here"; return 0; }
  local mode status
  for mode in /s /c --stop; do
    status=0
    unshare -m bash -c 'mount --bind "$1" "$1" && mount -o remount,bind,ro "$1" && shift && exec "$@"' - "$locks" \
      timeout 5 "$bin/Tavrolin.scr" $mode 2>"$work/locks.err" || status=$?
    [ "$status" -eq 1 ] && [ "$(wc -l <"$work/locks.err")" -eq 1 ] ||
      fail "'$mode' with read-only locks: status $status, '$(cat "$work/locks.err")'"
  done
}

every_start_ends_at_once_beside Tavrolin_Main
every_start_ends_at_once_beside "■Tavrolin■"
other_modes_end_after_the_engine_check
refusals_need_no_display
help_and_version_answer_without_a_window
without_a_private_lock_folder_nothing_starts
unusable_lock_files_are_refused
echo "shell starts that end at once: 7 passed"
