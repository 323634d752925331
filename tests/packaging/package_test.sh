#!/usr/bin/env bash
# The .deb: its name and fields, its contents unpacked into a temporary root and run from there,
# and lintian's verdict where lintian is installed.
source "$(dirname "$0")/packaging_common.sh"
run_on_virtual_display "$@"

version=$(built_version)
(cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1) \
  || fail "cpack failed: $(cat "$work/cpack.log")"
deb=$work/out/tavrolin_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $(basename "$deb"); made: $(ls "$work/out")"

fields_name_what_it_needs() {
  [ "$(dpkg-deb -f "$deb" Package)" = tavrolin ] || fail "the package is not called tavrolin"
  [ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package version is not $version"
  local depends needed
  depends=$(dpkg-deb -f "$deb" Depends)
  for needed in libqt6widgets6 libx11-6 'libgl1|libglx0' libgstreamer1.0-0 gstreamer1.0-plugins-base \
      gstreamer1.0-plugins-good fonts-ipafont-gothic qt6-wayland libxss1 libqt6dbus6; do
    grep -Eq "(^|, )($needed)( |,|$)" <<<"$depends" || fail "Depends lacks $needed: $depends"
  done
  ! grep -Eq "glut" <<<"$depends" || fail "Depends still names GLUT: $depends"
}

unpacked_root_runs() {
  local root=$work/root
  dpkg-deb -x "$deb" "$root"
  [ -L "$root/usr/bin/tavrolin" ] && [ -L "$root/usr/libexec/xscreensaver/tavrolin" ] \
    || fail "the commands are not links"
  [ -f "$root/usr/share/man/man6/tavrolin.6.gz" ] || fail "the man page is not compressed"
  [ -f "$root/usr/share/doc/tavrolin/changelog.gz" ] && [ -f "$root/usr/share/doc/tavrolin/copyright" ] \
    || fail "the changelog or the copyright is missing"
  [ "$("$root/usr/bin/tavrolin" --version)" = "Tavrolin $version" ] || fail "usr/bin/tavrolin does not run"
  ride_ends_on_escape "$root/usr/bin/tavrolin"
}

lintian_finds_no_errors() {
  command -v lintian >/dev/null || { echo "lintian is not installed; skipped"; return 0; }
  # Its own complaint about running as root (as CI does) goes to stderr and is no finding.
  lintian --fail-on error --display-info "$deb" >"$work/lintian.log" 2>"$work/lintian.err" \
    || fail "lintian: $(cat "$work/lintian.log" "$work/lintian.err")"
  ! grep hardening "$work/lintian.log" || fail "lintian finds programs built without Debian's hardening"
  cat "$work/lintian.log"
}

fields_name_what_it_needs
unpacked_root_runs
lintian_finds_no_errors
echo "package: 3 passed"
