#!/usr/bin/env bash
# The settings dialog of the real shell as a user meets it: opened with /c, saved with "設定",
# left with "ｷｬﾝｾﾙ", the banner opening the home page, and further starts ending while it is open.
source "$(dirname "$0")/../e2e_common.sh"
run_on_virtual_display "$@"

caption="■Tavrolin■"
# A Japanese session unless a test says otherwise, whatever the machine's own locale is. The
# language comes from LANGUAGE: xdotool finds Japanese titles only under a locale that is
# installed, and C.UTF-8 always is.
unset LC_ALL LC_MESSAGES
export LANG=C.UTF-8 LANGUAGE=ja
ini=$workfolder/Tavrolin.ini
# Points inside controls, in client pixels at 96 dpi.
set_button="200 208"
cancel_button="316 208"
left_banner="70 218"
file_button="58 136"

# A browser stand-in found before any real one: it writes down the address it was given.
mkdir -p "$work/browser"
cat >"$work/browser/xdg-open" <<EOF
#!/bin/sh
echo "\$1" >>"$work/opened"
EOF
chmod +x "$work/browser/xdg-open"
export PATH=$work/browser:$PATH

# Starts the shell with the given switches and waits for its dialog; sets $dialog.
open_dialog() {
  start_shell "$@"
  dialog=$(wait_for_window "$caption" 100 visible) || fail "'$*' showed no settings dialog"
  # The window zooms open, then gets the keyboard focus.
  sleep 0.5
}

click_in_dialog() {
  # shellcheck disable=SC2086
  xdotool mousemove --window "$dialog" $1 sleep 0.2 click 1
}

settings_line() {
  printf '%s=%s\r\n' "$1" "$2"
}

kind_key=$(printf 'BGM\x8B\xE6\x95\xAA')
repeat_key=$(printf 'BGM\xD8\xCB\xDF\xB0\xC4')
file_key=$(printf 'BGM\xCC\xA7\xB2\xD9')

opens_in_place_and_saves_the_standard_values() {
  rm -rf "$workfolder"
  open_dialog /c
  local geometry
  geometry=$(xdotool getwindowgeometry "$dialog")
  grep -q 'Position: 379,151' <<<"$geometry" || fail "dialog not centred a third down: $geometry"
  grep -q 'Geometry: 522x265' <<<"$geometry" || fail "dialog client area: $geometry"
  [ ! -e "$ini" ] || fail "opening the dialog wrote the settings file"
  click_in_dialog "$set_button"
  reaped_within "$shell_pid" 50 || fail "the shell did not end after 設定"
  { printf '[Section]\r\n'; settings_line Scale 6; settings_line Fast 6; settings_line "$kind_key" 0
    settings_line "$repeat_key" 0; settings_line "$file_key" ""; } >"$work/expected"
  cmp -s "$ini" "$work/expected" || fail "設定 wrote: $(od -c "$ini" | head -5)"
  [ -z "$(pointer_requests)" ] || fail "/c touched the pointer: '$(pointer_requests)'"
}

further_starts_end_while_it_is_open() {
  open_dialog /C:1234
  make_window area 152x112
  for mode in /s /c "/p $window_id" ""; do
    # shellcheck disable=SC2086
    shell_ends_at_once 5 $mode
  done
  [ "$(window_count Tavrolin_Main)" -eq 0 ] || fail "a start beside the dialog loaded the host window"
  [ "$(window_count "$caption")" -eq 1 ] || fail "a second dialog opened"
  kill "$window_pid"
  click_in_dialog "$cancel_button"
  reaped_within "$shell_pid" 50 || fail "the shell did not end after ｷｬﾝｾﾙ"
}

typed_track_is_saved_and_cancel_keeps_the_file() {
  local song=$work/song.mp3
  : >"$song"
  { printf '[Section]\r\n'; settings_line Scale 9; settings_line Fast 2; settings_line "$kind_key" 1
    settings_line "$repeat_key" 7; settings_line "$file_key" "$song"; } >"$ini"
  cp "$ini" "$work/before"

  open_dialog /c
  click_in_dialog "$left_banner"
  until_within '[ -s "$work/opened" ]' 50 || true
  [ "$(cat "$work/opened" 2>/dev/null)" = "https://tavrolin.example/" ] || fail "the banner opened '$(cat "$work/opened" 2>/dev/null)'"
  # The track box has the focus with music from CD: replace its 7 by 12.
  xdotool key ctrl+a type 12
  click_in_dialog "$cancel_button"
  reaped_within "$shell_pid" 50 || fail "the shell did not end after ｷｬﾝｾﾙ"
  cmp -s "$ini" "$work/before" || fail "ｷｬﾝｾﾙ changed the settings file"

  open_dialog /c
  xdotool key ctrl+a type 12
  click_in_dialog "$set_button"
  reaped_within "$shell_pid" 50 || fail "the shell did not end after 設定"
  { printf '[Section]\r\n'; settings_line Scale 9; settings_line Fast 2; settings_line "$kind_key" 1
    settings_line "$repeat_key" 12; settings_line "$file_key" "$song"; } >"$work/expected"
  cmp -s "$ini" "$work/expected" || fail "設定 wrote: $(od -c "$ini" | head -8)"
}

# The chooser's title is in the session's language ($1), $2.
the_dialog_answers_at_once_after_the_file_chooser() {
  local LANGUAGE=$1 title=$2
  local song=$work/chosen.mp3
  : >"$song"
  { printf '[Section]\r\n'; settings_line "$kind_key" 2; settings_line "$file_key" "$song"; } >"$ini"
  open_dialog /c
  click_in_dialog "$file_button"
  local chooser
  chooser=$(wait_for_window "$title" 100 visible) || fail "'...' opened no file chooser titled '$title' under LANGUAGE=$LANGUAGE"
  until_within '[ "$(xdotool getwindowfocus 2>/dev/null)" = "$chooser" ]' 50 || true
  # The chooser may replace its window while it settles: press Escape on whichever is showing
  # until it has gone.
  local tenth
  for tenth in $(seq 50); do
    chooser=$(window_titled "$title" visible) || true
    [ -z "$chooser" ] && break
    xdotool key --window "$chooser" Escape 2>/dev/null || true
    sleep 0.1
  done
  [ -z "$chooser" ] || fail "Escape did not close the file chooser"
  # A press whose window went before its release leaves Escape held, and the server's autorepeat
  # would close the next dialog.
  xdotool keyup Escape 2>/dev/null || true
  # No window manager gives the focus back: the first click must still count.
  click_in_dialog "$set_button"
  reaped_within "$shell_pid" 50 || fail "the first click on 設定 after the chooser was lost"
}

opens_in_place_and_saves_the_standard_values
further_starts_end_while_it_is_open
typed_track_is_saved_and_cancel_keeps_the_file
# Last: the file chooser may leave helpers of the desktop session running.
the_dialog_answers_at_once_after_the_file_chooser ja "ﾌｧｲﾙを開く"
the_dialog_answers_at_once_after_the_file_chooser en "Open File"
echo "settings dialog end to end: 5 passed"
