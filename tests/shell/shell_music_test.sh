#!/usr/bin/env bash
# Background music in real screensaver runs: heard through a PulseAudio null sink of the test's
# own while the ride runs, gone once the ride has ended.
source "$(dirname "$0")/e2e_common.sh"
run_on_virtual_display "$@"

start_private_pulse "$work/pulse"

put_setting() {
  "$bin/tavrolin_put_setting" "$1" "$2" || fail "cannot write $1"
}

mp3_plays_while_the_ride_runs() {
  mkdir -p "$work/My Music"
  local song="$work/My Music/song.Mp3"
  gst-launch-1.0 -q audiotestsrc num-buffers=65 ! audioconvert ! lamemp3enc ! id3v2mux ! filesink location="$song" \
    >/dev/null 2>&1 || fail "cannot make the test song"
  put_setting BgmKind 2
  put_setting BgmFile "$song"

  start_shell /s
  local engine shell=$shell_pid
  engine=$(wait_for_window Tavrolin_VC 100) || fail "the engine's window did not appear"
  local ride_start=$SECONDS
  wait_for_playing_streams 1 50 || fail "no music heard while the ride runs"
  # The file lasts a second and a half: it is heard again after its end.
  while [ $((SECONDS - ride_start)) -lt 4 ]; do sleep 0.2; done
  wait_for_playing_streams 1 20 || fail "the music did not go on after the file's end"
  kill -0 "$shell" 2>/dev/null || fail "the shell ended during the ride"
  xdotool windowfocus --sync "$engine" key q
  reaped_within "$shell" 50 || fail "the shell did not end after the ride ended on q"
  wait_for_playing_streams 0 20 || fail "music still plays after the ride"
  [ "$(timeout 5 pactl list sink-inputs short | wc -l)" -eq 0 ] || fail "a sound stream is left after the ride"
}

# The process that plays the one stream, once exactly one plays, waiting up to $1 tenths.
playing_process() {
  wait_for_playing_streams 1 "$1" || return 1
  timeout 5 pactl list sink-inputs | sed -n 's/.*application.process.id = "\([0-9]*\)".*/\1/p' | head -n 1
}

hosted_rides_share_one_music_until_the_last_ends() {
  local song=$work/loop.wav
  gst-launch-1.0 -q audiotestsrc num-buffers=86 ! wavenc ! filesink location="$song" >/dev/null 2>&1 \
    || fail "cannot make the test sound"
  put_setting BgmKind 2
  put_setting BgmFile "$song"

  # A manager runs one saver per monitor.
  make_window monitor1 400x300
  local first=$window_id
  make_window monitor2 400x300
  local second=$window_id
  start_shell -window-id "$first"
  local shell1=$shell_pid
  start_shell -window-id "$second"
  local shell2=$shell_pid
  wait_for_hosted_engine "$first" 100 >/dev/null && wait_for_hosted_engine "$second" 100 >/dev/null \
    || fail "two hosted rides did not start"
  local player
  player=$(playing_process 50) || fail "no music heard from two hosted rides"
  [ "$player" = "$shell1" ] || [ "$player" = "$shell2" ] || fail "music from an unknown process $player"

  # The other takes the music over when the one playing it ends.
  local other=$([ "$player" = "$shell1" ] && echo "$shell2" || echo "$shell1")
  kill -TERM "$player"
  reaped_within "$player" 30 || fail "a hosted shell did not end on SIGTERM"
  [ "$(playing_process 30)" = "$other" ] || fail "the music did not go on with the remaining ride"
  kill -TERM "$other"
  reaped_within "$other" 30 || fail "the last hosted shell did not end on SIGTERM"
  wait_for_playing_streams 0 20 || fail "music still plays after the last ride"
}

a_ride_without_music_leaves_it_to_the_next() {
  # The setting of the test before: a looping WAV file.
  make_window silent 400x300
  local silent=$window_id
  make_window playing 400x300
  start_shell -window-id "$silent" --no-music
  local silent_shell=$shell_pid
  # Started first, it would hold the music by now if it played any.
  wait_for_hosted_engine "$silent" 100 >/dev/null || fail "no ride with --no-music"
  start_shell -window-id "$window_id"
  local playing_shell=$shell_pid
  wait_for_hosted_engine "$window_id" 100 >/dev/null || fail "no second hosted ride"
  [ "$(playing_process 50)" = "$playing_shell" ] || fail "the music did not come from the ride that asked for it"
  kill -TERM "$silent_shell" "$playing_shell"
  all_tavrolin_ended_within 30 || fail "left running: $(live_tavrolin_processes)"
}

mp3_plays_while_the_ride_runs
hosted_rides_share_one_music_until_the_last_ends
a_ride_without_music_leaves_it_to_the_next
echo "shell music: 3 passed"
