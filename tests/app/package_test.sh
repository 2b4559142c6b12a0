#!/usr/bin/env bash
# The Debian package that CPack builds: its name, version and dependencies, and the files it puts
# on a machine. (That it installs with apt-get on a fresh Debian 12 and starts the program is
# checked by hand, as the README says: this test must not install anything on the machine.)
# Usage: package_test.sh BUILD_DIR   (needs dpkg-dev and file, which CPack's dependency scan uses)
set -uo pipefail

build=${1:?usage: $0 BUILD_DIR}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# shellcheck source=checks.sh
source "$(dirname "$0")/checks.sh"

if ! cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"
  echo "0 passed, 1 failed"
  exit 1
fi

deb=$(ls "$work"/brivan_*.deb 2>/dev/null | head -n 1)
check "CPack builds brivan_1.00_<arch>.deb" test "$(basename "${deb:-none}")" = "brivan_1.00_$(dpkg --print-architecture).deb"
[ -n "$deb" ] || { finish; exit 1; }

field() { dpkg-deb --field "$deb" "$1"; }
check "the package is named brivan" test "$(field Package)" = brivan
check "its version is 1.00" test "$(field Version)" = 1.00

depends=$(field Depends)
echo "Depends: $depends"
for library in libqt6core6 libqt6gui6 libqt6widgets6 libstdc++6 libc6; do
  check "it depends on $library" grep -q "\b$library\b" <<<"$depends"
done
check "it depends on the Liberation fonts" grep -q 'fonts-liberation | fonts-liberation2' <<<"$depends"

contents=$(dpkg-deb --contents "$deb" | awk '{ print $NF }')
for file in ./usr/bin/brivan ./usr/share/applications/brivan.desktop \
  ./usr/share/metainfo/example.skywardstudy.brivan.metainfo.xml \
  ./usr/share/icons/hicolor/16x16/apps/brivan.png ./usr/share/icons/hicolor/32x32/apps/brivan.png \
  ./usr/share/icons/hicolor/48x48/apps/brivan.png ./usr/share/icons/hicolor/scalable/apps/brivan.svg; do
  check "it installs $file" grep -qx "$file" <<<"$contents"
done

dpkg-deb --extract "$deb" "$work/root"
check "the packaged program is stripped" bash -c "file '$work/root/usr/bin/brivan' | grep -q ', stripped'"
check "the packaged desktop entry is valid" desktop-file-validate "$work/root/usr/share/applications/brivan.desktop"

finish
