#!/usr/bin/env bash
# Builds the Debian package from a build folder and checks what a user's
# apt would get: the program, its desktop entry, icons and documents, the
# dependencies (the browser engine included), and no lintian errors when
# lintian is there. Usage: package_test.sh BUILD_DIR
set -uo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
failures=0
check() { if eval "$1"; then echo "ok: $2"; else echo "FAIL: $2"; failures=$((failures + 1)); fi; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
  { cat "$out/cpack.log"; echo "FAIL: cpack"; exit 1; }
deb=$(ls "$out"/halvero_*_*.deb 2>/dev/null | head -1)
check '[[ -n $deb ]]' "cpack writes halvero_<version>_<arch>.deb"
[[ -n $deb ]] || exit 1
echo "package: $(basename "$deb")"
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in ./usr/bin/halvero ./usr/share/applications/halvero.desktop \
    ./usr/share/icons/hicolor/32x32/apps/halvero.png ./usr/share/doc/halvero/copyright \
    ./usr/share/mime/packages/halvero.xml; do
  check 'grep -qx "$file" <<<"$contents"' "the package holds $file"
done
depends=$(dpkg-deb -f "$deb" Depends)
check '[[ $depends == *libqt6webenginewidgets6* ]]' "Depends names the Qt WebEngine runtime"
check '[[ $depends == *libqt6widgets6* ]]' "Depends holds what the executable links (shlibdeps)"
check '[[ -n $(dpkg-deb -f "$deb" Description) ]]' "the package describes itself"
if command -v lintian >/dev/null; then
  lintian --fail-on error --suppress-tags-from-file /dev/null "$deb" >"$out/lintian.log" 2>&1
  status=$?
  cat "$out/lintian.log"
  check '[[ $status -eq 0 ]]' "lintian finds no errors"
else
  echo "lintian is not installed: not run"
fi
if ((failures)); then echo "$failures check(s) failed"; exit 1; fi
echo "all package checks passed"
