#!/usr/bin/env bash
# The shell alone in its folder, without Tavrolin.dll beside it, or with one that cannot start.
source "$(dirname "$0")/e2e_common.sh"
run_on_virtual_display "$@"

mkdir -p "$work/alone"
cp "$bin/Tavrolin.scr" "$work/alone/"
shell_program=$work/alone/Tavrolin.scr

message_then_end() {
  start_shell "$@"
  local box
  box=$(wait_for_window Tavrolin 50 visible) || fail "'$*' showed no message box"
  kill -0 "$shell_pid" 2>/dev/null || fail "'$*' ended without waiting for OK"
  [ "$(window_count Tavrolin_Main)" -eq 0 ] || fail "'$*' loaded the host window"
  xdotool windowfocus --sync "$box" key Return
  reaped_within "$shell_pid" 30 || fail "'$*' did not end after OK"
  [ "$ended_status" -eq 1 ] || fail "'$*' ended with status $ended_status after the message"
  [ -z "$(pointer_requests)" ] || fail "'$*' touched the pointer: '$(pointer_requests)'"
  [ ! -e "$workfolder/Tavrolin1.alo" ] || fail "'$*' wrote pictures"
}

# Hosted, nobody could answer a box: the message goes to stderr, in the session's language.
hosted_says_it_on_stderr_in_the_users_language() {
  LANG=ja_JP.UTF-8 shell_ends_with 1 10 -root
  grep -qxF 'Tavrolin.scr: Tavrolin.dll が同じﾌｫﾙﾀﾞに見つかりません！' "$shell_errors" \
    || fail "the Japanese session was told: $(cat "$shell_errors")"
  LANG=en_US.UTF-8 shell_ends_with 1 10 -root
  grep -qxF 'Tavrolin.scr: Tavrolin.dll was not found in the same folder!' "$shell_errors" \
    || fail "the English session was told: $(cat "$shell_errors")"
}

preview_works_without_the_engine() {
  make_window area 152x112
  start_shell /p "$window_id"
  local tenth
  for tenth in $(seq 50); do
    xwininfo -id "$window_id" -children | grep -q 'Preview Window' && break
    sleep 0.1
  done
  xwininfo -id "$window_id" -children | grep -q 'Preview Window' || fail "no preview without the engine"
  kill "$window_pid"
  reaped_within "$shell_pid" 30 || fail "the preview outlived its area"
}

# Exits at once as a real engine does when its start-up fails: a fake, since no real engine can be
# made to fail on a display that works for the shell.
an_engine_that_fails_to_start() {
  mkdir -p "$work/broken"
  cp "$bin/Tavrolin.scr" "$work/broken/"
  printf '#!/bin/sh\nexit 3\n' >"$work/broken/Tavrolin.dll"
  chmod 755 "$work/broken/Tavrolin.dll"
  make_window host 320x200
  local command
  for command in /s "-window-id $window_id"; do
    # shellcheck disable=SC2086
    shell_program=$work/broken/Tavrolin.scr shell_ends_with 1 15 $command
    [ "$(wc -l <"$shell_errors")" -eq 1 ] && grep -q 'engine' "$shell_errors" ||
      fail "'$command' with a failing engine said: '$(cat "$shell_errors")'"
  done
  kill "$window_pid"
}

message_then_end /s
message_then_end /c
message_then_end
hosted_says_it_on_stderr_in_the_users_language
preview_works_without_the_engine
an_engine_that_fails_to_start
echo "shell without engine: 5 passed"
