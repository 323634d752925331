#!/usr/bin/env bash
# cmake --install into a temporary prefix: every file in its place, entries that validate, a man
# page that renders, a ride from the installed command, and an uninstall that leaves nothing.
source "$(dirname "$0")/packaging_common.sh"
run_on_virtual_display "$@"

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

every_file_in_its_place() {
  local path
  for path in lib/tavrolin/Tavrolin.scr lib/tavrolin/Tavrolin.dll; do
    [ -f "$prefix/$path" ] && [ -x "$prefix/$path" ] || fail "$path is not an installed program"
  done
  [ "$(readlink "$prefix/bin/tavrolin")" = ../lib/tavrolin/Tavrolin.scr ] \
    || fail "bin/tavrolin points at '$(readlink "$prefix/bin/tavrolin")'"
  [ "$(readlink "$prefix/libexec/xscreensaver/tavrolin")" = ../../lib/tavrolin/Tavrolin.scr ] \
    || fail "libexec/xscreensaver/tavrolin points at '$(readlink "$prefix/libexec/xscreensaver/tavrolin")'"
  [ "$("$prefix/libexec/xscreensaver/tavrolin" --version)" = "Tavrolin $(built_version)" ] \
    || fail "the xscreensaver hook does not run the shell"
  [ "$("$prefix/lib/tavrolin/Tavrolin.dll" --version)" = "Tavrolin.dll $(built_version)" ] \
    || fail "the engine does not answer --version"
  for path in share/icons/hicolor/32x32/apps/tavrolin.png share/doc/tavrolin/copyright share/doc/tavrolin/changelog; do
    [ -s "$prefix/$path" ] || fail "$path is missing"
  done
}

entries_validate() {
  local xml=$prefix/share/xscreensaver/config/tavrolin.xml
  xmllint --noout "$xml" || fail "tavrolin.xml does not parse"
  [ "$(xmllint --xpath 'string(/screensaver/@name)' "$xml")" = tavrolin ] || fail "tavrolin.xml names no saver"
  [ "$(xmllint --xpath 'string(/screensaver/command/@arg)' "$xml")" = -root ] || fail "tavrolin.xml runs no -root"
  xml_options_are_the_programs "$xml"
  local entry
  for entry in share/applications/screensavers/tavrolin.desktop share/applications/tavrolin-settings.desktop; do
    [ -f "$prefix/$entry" ] || fail "$entry is missing"
    desktop-file-validate --no-hints "$prefix/$entry" || fail "$entry does not validate"
    grep -q '^Name\[ja\]=.' "$prefix/$entry" && grep -q '^Comment\[ja\]=.*[^ -~]' "$prefix/$entry" \
      || fail "$entry has no Japanese name and comment"
  done
  grep -qx 'Exec=tavrolin -root' "$prefix/share/applications/screensavers/tavrolin.desktop" || fail "the saver entry runs no 'tavrolin -root'"
  grep -qx 'Exec=tavrolin /c' "$prefix/share/applications/tavrolin-settings.desktop" || fail "the settings entry runs no 'tavrolin /c'"
}

# Every switch the options page can pass works: each slider's ends reach the engine (and one past
# them is refused), each check box's switch is taken. A switch the program did not know would
# stand before /s and make the command unknown.
xml_options_are_the_programs() {
  local xml=$1 index arg low high tops=() bottoms=() expected_top="" expected_bottom="" status
  for index in $(seq "$(xmllint --xpath 'count(//number)' "$xml")"); do
    arg=$(xmllint --xpath "string(//number[$index]/@arg)" "$xml")
    low=$(xmllint --xpath "string(//number[$index]/@low)" "$xml")
    high=$(xmllint --xpath "string(//number[$index]/@high)" "$xml")
    [[ "$arg" == *" %" ]] || fail "slider $index passes '$arg'"
    tops+=(${arg/\%/$high})
    bottoms+=(${arg/\%/$low})
    expected_top+=" ${arg/\%/$high}"
    expected_bottom+=" ${arg/\%/$low}"
    status=0
    "$prefix/bin/tavrolin" ${arg/\%/$((high + 1))} 2>/dev/null || status=$?
    [ "$status" -eq 2 ] || fail "'${arg/\%/$((high + 1))}' past the slider's end: status $status"
  done
  [ "${#tops[@]}" -ge 2 ] || fail "tavrolin.xml offers ${#tops[@]} sliders"
  for arg in $(xmllint --xpath '//boolean/@arg-set | //boolean/@arg-unset' "$xml" | sed 's/[^"]*"\([^"]*\)"/\1 /g'); do
    tops+=("$arg")
  done
  [ "${#tops[@]}" -gt 2 ] || fail "tavrolin.xml offers no check box"
  ride_ends_on_escape "$prefix/bin/tavrolin" "${tops[@]}"
  [[ "$engine_words" == *"$expected_top "* ]] || fail "the engine was given '$engine_words'"
  ride_ends_on_escape "$prefix/bin/tavrolin" "${bottoms[@]}"
  [[ "$engine_words" == *"$expected_bottom "* ]] || fail "the engine was given '$engine_words'"
}

man_page_renders() {
  local page=$prefix/share/man/man6/tavrolin.6 text
  [ -f "$page" ] || fail "the man page is missing"
  text=$(MANWIDTH=80 man --warnings -l "$page" 2>"$work/man.err") || fail "man -l failed"
  [ ! -s "$work/man.err" ] || fail "man warns: $(cat "$work/man.err")"
  local heading
  for heading in NAME SYNOPSIS MODES 'HOSTED MODE' 'RIDE OPTIONS' 'EXIT STATUS' FILES ENVIRONMENT EXAMPLES; do
    grep -qx "$heading" <<<"$text" || fail "the man page has no $heading"
  done
  for word in XSCREENSAVER_WINDOW XDG_CONFIG_HOME XSECURELOCK_SAVER xautolock xss-lock "Tavrolin $(built_version)" \
      --scale --speed --no-music; do
    grep -q -- "$word" <<<"$text" || fail "the man page does not mention $word"
  done
}

uninstall_leaves_nothing() {
  # A package made in between installs into a staging tree of its own, which uninstall must not
  # take for this installation.
  (cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/out" >/dev/null)
  cmake --build "$build" --target uninstall >/dev/null
  local left
  left=$(find "$prefix" ! -type d)
  [ -z "$left" ] || fail "uninstall left: $left"
  [ ! -e "$prefix/lib/tavrolin" ] || fail "uninstall left lib/tavrolin"
}

destdir_is_honoured() {
  DESTDIR=$work/stage cmake --install "$build" --prefix /opt/tavrolin >/dev/null
  [ -L "$work/stage/opt/tavrolin/bin/tavrolin" ] && [ -x "$work/stage/opt/tavrolin/lib/tavrolin/Tavrolin.dll" ] \
    || fail "DESTDIR was not honoured"
}

every_file_in_its_place
entries_validate
man_page_renders
ride_ends_on_escape "$prefix/bin/tavrolin"
uninstall_leaves_nothing
destdir_is_honoured
echo "install: 6 passed"
