#!/usr/bin/env bash
# The command line's other modes: no arguments, a bare letter, unknown letters, and /c for now.
source "$(dirname "$0")/e2e_common.sh"
run_on_virtual_display "$@"

no_arguments_run_leaves_the_pointer_alone() {
  start_shell
  local engine
  engine=$(wait_for_window Tavrolin_VC 100) || fail "no engine window without arguments"
  wait_for_window Tavrolin_Main 10 >/dev/null || fail "no host window without arguments"
  local ride_start=$SECONDS
  while [ $((SECONDS - ride_start)) -lt 3 ]; do sleep 0.2; done
  xdotool windowfocus --sync "$engine" key q
  ended_within "$shell_pid" 50 || fail "the shell did not end after the ride ended on q"
  [ -z "$(pointer_requests)" ] || fail "pointer requests without arguments: '$(pointer_requests)'"
  [ -s "$workfolder/Tavrolin1.alo" ] || fail "no pictures written without arguments"
}

other_modes_end_after_the_engine_check() {
  rm -rf "$workfolder"
  for mode in s /x /c /C:1234 "/c 77"; do
    # shellcheck disable=SC2086
    shell_ends_at_once 5 $mode
    [ -z "$(pointer_requests)" ] || fail "'$mode' touched the pointer"
    [ -d "$workfolder" ] || fail "'$mode' did not make the work folder"
    [ ! -e "$workfolder/Tavrolin1.alo" ] || fail "'$mode' wrote pictures"
    [ "$(window_count Tavrolin_VC)" -eq 0 ] || fail "'$mode' started the engine"
    rm -rf "$workfolder"
  done
}

no_arguments_run_leaves_the_pointer_alone
other_modes_end_after_the_engine_check
echo "shell modes: 2 passed"
