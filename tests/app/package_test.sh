#!/usr/bin/env bash
# The Debian package that CPack builds: its name, version and dependencies, the files it puts
# on a machine, what lintian says of it, the hardening of the program in it, and that making it
# twice gives the same bytes. (That it installs with apt-get on a fresh Debian 12 and starts the
# program is checked by hand, as the README says: this test must not install anything on the
# machine.)
# Usage: package_test.sh BUILD_DIR VERSION HARDENED
#   VERSION: the project's version; HARDENED: ON when the build uses Debian's hardening flags.
#   Needs dpkg-dev and file (CPack's dependency scan), lintian and binutils.
set -uo pipefail

build=${1:?usage: $0 BUILD_DIR VERSION HARDENED}
version=${2:?usage: $0 BUILD_DIR VERSION HARDENED}
hardened=${3:?usage: $0 BUILD_DIR VERSION HARDENED}
# The package's version names the Debian release this runs on.
package_version=$version
release=$(. /etc/os-release && [ "${ID:-}" = debian ] && echo "${VERSION_ID:-}")
[ -n "$release" ] && package_version="$version+deb$release"
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
check "CPack builds brivan_${package_version}_<arch>.deb" \
  test "$(basename "${deb:-none}")" = "brivan_${package_version}_$(dpkg --print-architecture).deb"
[ -n "$deb" ] || { finish; exit 1; }

field() { dpkg-deb --field "$deb" "$1"; }
check "the package is named brivan" test "$(field Package)" = brivan
check "its version is $package_version" test "$(field Version)" = "$package_version"

# It depends on the package of every library the program links with, by whatever name this
# release gives it (libqt6core6 on Debian 12, libqt6core6t64 on 13).
depends=$(field Depends)
echo "Depends: $depends"
dpkg-deb --extract "$deb" "$work/root"
for library in $(readelf -d "$work/root/usr/bin/brivan" | sed -n 's/.*Shared library: \[\(.*\)\]/\1/p'); do
  owner=$(dpkg -S "*/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/$library" 2>/dev/null | head -n 1 | cut -d: -f1)
  check "it depends on ${owner:-the package of $library} (for $library)" grep -q "\b${owner:-none}\b" <<<"$depends"
done
check "it depends on the Liberation fonts" grep -q 'fonts-liberation | fonts-liberation2' <<<"$depends"

contents=$(dpkg-deb --contents "$deb" | awk '{ print $NF }')
for file in ./usr/bin/brivan ./usr/share/applications/brivan.desktop \
  ./usr/share/metainfo/example.skywardstudy.brivan.metainfo.xml \
  ./usr/share/icons/hicolor/16x16/apps/brivan.png ./usr/share/icons/hicolor/32x32/apps/brivan.png \
  ./usr/share/icons/hicolor/48x48/apps/brivan.png ./usr/share/icons/hicolor/scalable/apps/brivan.svg \
  ./usr/share/man/man1/brivan.1.gz ./usr/share/doc/brivan/copyright ./usr/share/doc/brivan/changelog.gz; do
  check "it installs $file" grep -qx "$file" <<<"$contents"
done

check "the packaged program is stripped" bash -c "file '$work/root/usr/bin/brivan' | grep -q ', stripped'"
check "the packaged desktop entry is valid" desktop-file-validate "$work/root/usr/share/applications/brivan.desktop"
check "the changelog's latest entry is this package's version" \
  bash -c "zcat '$work/root/usr/share/doc/brivan/changelog.gz' | head -n 1 | grep -qF 'brivan ($package_version) '"

# What a Debian maintainer reads first: no error and no warning (information and pedantic tags are
# shown, but allowed).
lintian --pedantic --display-info --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1
check "lintian finds no error and no warning" test $? -eq 0
grep -v 'running with root privileges' "$work/lintian.log" | sed 's/^/lintian: /'

# The program's hardening, as readelf sees it in the packaged file.
program=$work/root/usr/bin/brivan
if [ "$hardened" = ON ]; then
  check "its relocations are bound at start-up (BIND_NOW)" bash -c "readelf -d '$program' | grep -q BIND_NOW"
  check "they are read-only after that (RELRO)" bash -c "readelf -lW '$program' | grep -q GNU_RELRO"
  check "it is position-independent" bash -c "readelf -h '$program' | grep -q 'Position-Independent'"
  check "it has the stack protector" bash -c "readelf -W --dyn-syms '$program' | grep -q __stack_chk_fail"
else
  echo "not a hardened build (sanitizers or Debug): hardening not checked"
fi

# The same build packaged again gives the same bytes.
if cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/again" >"$work/cpack.log" 2>&1; then
  check "a second package of the same build is byte-identical" cmp "$deb" "$work/again/$(basename "$deb")"
else
  cat "$work/cpack.log"
  check "CPack builds the package a second time" false
fi

finish
