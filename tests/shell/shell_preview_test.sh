#!/usr/bin/env bash
# The preview inside a window of another program, and on its own.
source "$(dirname "$0")/e2e_common.sh"
run_on_virtual_display "$@"

picture=$here/../../shell/resources/preview.jpg

# Waits until the preview is the child of window $1 with the geometry $2 (it is resized after
# it is reparented); prints its last line of xwininfo.
preview_child_of() {
  local tenth line=""
  for tenth in $(seq 50); do
    line=$(xwininfo -id "$1" -children | grep 'Preview Window') && grep -q "$2" <<<"$line" && { echo "$line"; return 0; }
    sleep 0.1
  done
  echo "$line"
  return 1
}

# Waits until window $1, cropped by $3 (an ImageMagick geometry), shows the preview picture;
# leaves the capture in $2.
shows_the_picture() {
  local tenth
  for tenth in $(seq 50); do
    import -window "$1" "$2"
    convert "$2" -crop "$3" +repage "$2.crop.png"
    [ "$(differing_pixels "$2.crop.png" "$picture")" -lt 50 ] && return 0
    sleep 0.1
  done
  return 1
}

# Number of pixels of $1 that differ from $2 by more than JPEG decoders disagree.
differing_pixels() {
  compare -metric AE -fuzz 4% "$1" "$2" null: 2>&1 || true
}

fills_an_area_of_its_size_edge_to_edge() {
  make_window area 152x112
  local area=$window_id area_pid=$window_pid
  start_shell /p "$area"
  local child
  child=$(preview_child_of "$area" '152x112+0+0') || fail "the preview does not fill the area: $child"
  shows_the_picture "$area" "$work/preview.png" 152x112+0+0 || fail "the area does not show the preview picture"
  [ -z "$(pointer_requests)" ] || fail "the preview touched the pointer"
  [ ! -e "$workfolder" ] || fail "the preview made the work folder"

  kill "$area_pid"
  reaped_within "$shell_pid" 30 || fail "the preview did not end when its area was destroyed"
}

larger_area_shows_the_picture_at_its_own_size() {
  make_window area 240x160
  local area=$window_id
  start_shell "/p:$area"
  preview_child_of "$area" '240x160+0+0' >/dev/null || fail "the preview does not fill the larger area"
  shows_the_picture "$area" "$work/large.png" 152x112+0+0 || fail "the picture is not at its own size in the corner"
  local rest
  rest=$(convert "$work/large.png" -crop 88x160+152+0 +repage -format '%[fx:maxima]' info:)
  [ "$rest" = 0 ] || fail "the area right of the picture is not black ($rest)"
  rest=$(convert "$work/large.png" -crop 240x48+0+112 +repage -format '%[fx:maxima]' info:)
  [ "$rest" = 0 ] || fail "the area below the picture is not black ($rest)"
  kill "$window_pid"
  reaped_within "$shell_pid" 30 || fail "the preview outlived its area"
}

without_a_parent_it_shows_on_its_own() {
  for handle in 0 999999; do
    start_shell /p "$handle"
    local own
    own=$(wait_for_window 'Preview Window' 50 visible) || fail "no preview window of its own for handle $handle"
    local tenth
    for tenth in $(seq 50); do
      xwininfo -id "$own" | grep -q 'Width: 152' && xwininfo -id "$own" | grep -q 'Height: 112' && break
      sleep 0.1
    done
    xwininfo -id "$own" | grep -q 'Width: 152' || fail "the preview on its own is not 152 wide"
    xwininfo -id "$own" | grep -q 'Height: 112' || fail "the preview on its own is not 112 high"
    kill "$shell_pid"
    reaped_within "$shell_pid" 30 || fail "the preview did not end on TERM"
  done
}

fills_an_area_of_its_size_edge_to_edge
larger_area_shows_the_picture_at_its_own_size
without_a_parent_it_shows_on_its_own
echo "shell preview: 3 passed"
