#!/usr/bin/env bash
# Builds the Debian package from a build folder and checks what a user's
# apt would get: the program, its desktop entry, icons and documents, the
# dependencies (the browser engine included), and that lintian (errors and
# warnings), appstreamcli and desktop-file-validate find nothing to report
# above information. Usage: package_test.sh BUILD_DIR
set -uo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
failures=0
check() { if eval "$1"; then echo "ok: $2"; else echo "FAIL: $2"; failures=$((failures + 1)); fi; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
  { cat "$out/cpack.log"; echo "FAIL: cpack"; exit 1; }
deb=$(find "$out" -maxdepth 1 -name "halvero_*_*.deb" | sort | head -1)
check '[[ -n $deb ]]' "cpack writes halvero_<version>_<arch>.deb"
[[ -n $deb ]] || exit 1
echo "package: $(basename "$deb")"
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in ./usr/bin/halvero ./usr/share/applications/halvero.desktop \
    ./usr/share/icons/hicolor/32x32/apps/halvero.png ./usr/share/doc/halvero/copyright \
    ./usr/share/mime/packages/halvero.xml ./usr/share/man/man1/halvero.1.gz \
    ./usr/share/metainfo/com.example.halvero.metainfo.xml; do
  check 'grep -qx "$file" <<<"$contents"' "the package holds $file"
done
depends=$(dpkg-deb -f "$deb" Depends)
check '[[ $depends == *libqt6webenginewidgets6* ]]' "Depends names the Qt WebEngine runtime"
check '[[ $depends == *libqt6widgets6* ]]' "Depends holds what the executable links (shlibdeps)"
check '[[ -n $(dpkg-deb -f "$deb" Description) ]]' "the package describes itself"
check '[[ $(dpkg-deb -f "$deb" Recommends) == *qt6-wayland* ]]' "Recommends the Wayland platform"
if command -v lintian >/dev/null; then
  lintian --fail-on error,warning "$deb" >"$out/lintian.log" 2>&1
  status=$?
  grep -v 'running with root privileges' "$out/lintian.log"
  check '[[ $status -eq 0 ]]' "lintian finds no errors or warnings"
else
  echo "lintian is not installed: not run"
fi
tree="$out/tree" && mkdir -p "$tree" && dpkg-deb -x "$deb" "$tree"
# The program finds its toolkit library through its RUNPATH, relative to its
# own folder, and the toolkit looks for the preview module by a path
# relative to the program's folder: in the package, both lead to them.
runpath=$(readelf -d "$tree/usr/bin/halvero" | sed -n 's/.*RUNPATH.*\[\$ORIGIN\/\(.*\)\]/\1/p')
toolkit=$tree/usr/bin/$runpath/libhalvero_toolkit.so
check '[[ -n $runpath && -f $toolkit ]]' "the program finds its toolkit library (usr/bin/$runpath)"
module=$(strings -e l "$toolkit" 2>/dev/null | grep -m1 '^\.\./.*halvero')
check '[[ -n $module && -f $tree/usr/bin/$module/halvero_preview.so ]]' \
  "the program finds its preview module in the package (usr/bin/$module)"
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net --pedantic \
    "$tree/usr/share/metainfo/com.example.halvero.metainfo.xml" >"$out/appstream.log" 2>&1
  status=$?
  cat "$out/appstream.log"
  check '[[ $status -eq 0 ]] && ! grep -qE "^(E|W):" "$out/appstream.log"' \
    "appstreamcli finds nothing above information in the metainfo"
else
  echo "appstreamcli is not installed: not run"
fi
if command -v desktop-file-validate >/dev/null; then
  check 'desktop-file-validate "$tree/usr/share/applications/halvero.desktop"' \
    "desktop-file-validate finds nothing in the desktop entry"
else
  echo "desktop-file-validate is not installed: not run"
fi
if ((failures)); then echo "$failures check(s) failed"; exit 1; fi
echo "all package checks passed"
