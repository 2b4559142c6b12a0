#!/usr/bin/env bash
# Fetches Debian's qt6-base source package and unpacks it with every Debian patch applied, as
# dpkg-source -x does; then reverts, by name, the patches that the caller says must not apply to
# its platform. Shared by the Windows and the browser builds. Runs on Debian 13 (in a root made by
# tools/debian13.sh), as root.
#
#   tools/qt-source.sh USER [PATCH=REASON]...
#
# Prints three lines, for the caller to read:
#   version=DEBIAN_SOURCE_VERSION        (for example 6.8.2+dfsg-9+deb13u2; caches are keyed on it)
#   package=DIR                          the .dsc and its tarballs, exactly as fetched
#   source=DIR                           the patched source tree for USER
# Patches applied and reverted are listed on standard error. A patch that fails to apply or to
# come off stops the script with its name.
set -euo pipefail
user=${1:?usage: $0 USER [PATCH=REASON]...}
shift
cache="${BRIVAN_CACHE:-$HOME/.cache/brivan}"

fail() { echo "tools/qt-source.sh: $*" >&2; exit 1; }

need=()
for tool in dpkg-source:dpkg-dev patch:patch xz:xz-utils; do
  command -v "${tool%%:*}" >/dev/null || need+=("${tool#*:}")
done
grep -q '^Types:.*deb-src' /etc/apt/sources.list.d/*.sources 2>/dev/null ||
  fail "no deb-src entry in /etc/apt/sources.list.d: run it in a root made by tools/debian13.sh"
apt-get update -qq
[ ${#need[@]} -eq 0 ] || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null

# The newest source version that the root's suites offer (the security suite's, when there is one).
version=$(apt-cache showsrc qt6-base | sed -n 's/^Version: //p' |
  while read -r v; do echo "$v"; done | sort -V | tail -n 1)
[ -n "$version" ] || fail "apt knows no source package qt6-base"
base="$cache/qt-src/$version"
package="$base/package"

if [ ! -f "$package/.brivan-complete" ]; then
  rm -rf "$package" && mkdir -p "$package"
  (cd "$package" && apt-get source --download-only "qt6-base=$version" >/dev/null 2>&1) ||
    fail "apt-get source qt6-base=$version failed"
  touch "$package/.brivan-complete"
fi

# The reverts are part of what the tree is, so that a change to them unpacks it afresh.
source="$base/source-$user"
wanted="$version ${*:-}"
if [ "$(cat "$source/.brivan-patches" 2>/dev/null)" != "$wanted" ]; then
  rm -rf "$source" "$source.new"
  dsc=$(ls "$package"/*.dsc)
  dpkg-source --no-check -x "$dsc" "$source.new" >"$base/unpack-$user.log" 2>&1 ||
    fail "dpkg-source could not unpack or patch $dsc: $(grep 'applying ' "$base/unpack-$user.log" | tail -n 1 | sed 's/.*applying /the Debian patch /') failed to apply (its log is $base/unpack-$user.log)"
  for revert in "$@"; do
    patch_name=${revert%%=*}
    [ -f "$source.new/debian/patches/$patch_name" ] || fail "there is no Debian patch $patch_name to revert"
    patch -d "$source.new" -R -p1 -s <"$source.new/debian/patches/$patch_name" ||
      fail "the Debian patch $patch_name could not be reverted"
  done
  echo "$wanted" >"$source.new/.brivan-patches"
  mv "$source.new" "$source"
fi
# Said at every run, from the tree itself: what Qt is built with.
echo "Debian patches applied to qt6-base $version:" >&2
grep -v '^\s*#' "$source/debian/patches/series" | grep -v '^\s*$' | sed 's/^/  /' >&2
for revert in "$@"; do echo "Reverted: ${revert%%=*} (${revert#*=})" >&2; done
[ $# -gt 0 ] || echo "Reverted: none" >&2
echo "version=$version"
echo "package=$package"
echo "source=$source"
