#!/usr/bin/env bash
# Debian 13 roots: one per user (CI, the Windows build, the browser build), so that what one
# installs never spoils another's fresh root. Made with debootstrap from the Debian archive that
# this machine's apt sources already name, with the matching security suite and deb-src entries.
#
#   tools/debian13.sh make NAME [MAX_AGE_DAYS]   make the root NAME, unless a finished one younger
#                                                than MAX_AGE_DAYS (default: any age) is there
#   tools/debian13.sh run NAME [--bind DIR]... -- COMMAND...
#                                                run COMMAND as root inside it; each DIR is bound
#                                                at the same path inside
#   tools/debian13.sh path NAME                  print where the root lives
#
# Roots live in $BRIVAN_ROOTS (default ~/.cache/brivan/roots). A root is finished only when its
# stamp says so; one without a stamp is made afresh. What runs inside runs in a mount and PID
# namespace of its own: when the command ends, every process it started ends with it, and the
# mounts go with the namespace, even when the command fails.
set -euo pipefail

roots="${BRIVAN_ROOTS:-${BRIVAN_CACHE:-$HOME/.cache/brivan}/roots}"
suite=trixie
stamp_name=.brivan-root-complete

fail() { echo "tools/debian13.sh: $*" >&2; exit 1; }
usage() { fail "usage: $0 make NAME [MAX_AGE_DAYS] | run NAME [--bind DIR]... -- COMMAND... | path NAME"; }

[ "$(id -u)" -eq 0 ] || exec sudo -E bash "$0" "$@"

# The archive this machine's apt sources name (deb822 or one-line form), for the main and for the
# security suites.
archive_uri() {  # archive_uri debian|debian-security
  local want=$1 uri
  for uri in $(cat /etc/apt/sources.list.d/*.sources 2>/dev/null | sed -n 's/^URIs:[[:space:]]*//p') \
    $(awk '$1 == "deb" { for (i = 2; i <= NF; i++) if ($i ~ /^(https?|file):/) print $i }' \
      /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null); do
    uri=${uri%/}
    [ "${uri##*/}" = "$want" ] && { echo "$uri"; return 0; }
  done
  return 1
}

make_root() {  # make_root NAME [MAX_AGE_DAYS]
  local name=$1 max_age=${2:-} root="$roots/$1"
  if [ -f "$root/$stamp_name" ]; then
    if [ -z "$max_age" ] || [ -z "$(find "$root/$stamp_name" -mtime "+$((max_age - 1))")" ]; then
      echo "Debian 13 root $name: reusing $root (made $(date -r "$root/$stamp_name" +%F))"
      return 0
    fi
    echo "Debian 13 root $name: older than $max_age days, made afresh"
  fi
  local mirror security
  mirror=$(archive_uri debian) || fail "the Debian 13 root cannot be made: no Debian archive is named in /etc/apt/sources.list or sources.list.d."
  security=$(archive_uri debian-security) || security="${mirror%/debian}/debian-security"
  command -v debootstrap >/dev/null || {
    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap
  } >/dev/null || fail "the Debian 13 root cannot be made: debootstrap could not be installed."

  # Made beside its place and moved there only when finished, so that a half-made root is never
  # taken for one.
  local new="$root.new"
  rm -rf "$new" "$root"
  mkdir -p "$roots"
  local log="$roots/$name.debootstrap.log" started=$SECONDS
  # debootstrap mounts /proc and /sys inside the new root while it works: in a namespace of its
  # own, those mounts go with it even when it is killed.
  if ! unshare --mount --pid --fork --propagation private -- \
    debootstrap --variant=minbase --include=ca-certificates,git "$suite" "$new" "$mirror" >"$log" 2>&1; then
    rm -rf "$new"
    fail "the Debian 13 root cannot be made: debootstrap from $mirror failed ($(tail -n 1 "$log")); its log is $log."
  fi
  cat >"$new/etc/apt/sources.list.d/debian.sources" <<EOF
Types: deb deb-src
URIs: $mirror
Suites: $suite $suite-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb deb-src
URIs: $security
Suites: $suite-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
  rm -f "$new/etc/apt/sources.list"
  # Packages that ask questions take their defaults; nothing starts services inside the root.
  printf '#!/bin/sh\nexit 101\n' >"$new/usr/sbin/policy-rc.d" && chmod +x "$new/usr/sbin/policy-rc.d"
  if ! run_in "$new" -- sh -c 'apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get upgrade -y -qq' >>"$log" 2>&1; then
    rm -rf "$new"
    fail "the Debian 13 root cannot be made: its security updates could not be installed; its log is $log."
  fi
  date -u +%FT%TZ >"$new/$stamp_name"
  mv "$new" "$root"
  echo "Debian 13 root $name: made in $((SECONDS - started)) s at $root"
}

run_in() {  # run_in ROOT [--bind DIR]... -- COMMAND...
  local root=$1 binds=()
  shift
  while [ $# -gt 0 ] && [ "$1" != -- ]; do
    [ "$1" = --bind ] && [ $# -ge 2 ] || usage
    binds+=("$(realpath "$2")")
    shift 2
  done
  [ "${1:-}" = -- ] && [ $# -ge 2 ] || usage
  shift
  cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
  # The root trusts what its machine trusts: a machine may reach its registries (npm's) through
  # a gateway that signs with a certificate authority of its own.
  cp /etc/ssl/certs/ca-certificates.crt "$root/etc/ssl/certs/ca-certificates.crt" 2>/dev/null || true
  # The one-Orca lock of the screen reader drills (tests/app/orca_test.sh) is the machine's: an
  # Orca started on the machine ends one started in a root, so drills on both sides share it.
  local orca_lock="/tmp/brivan-orca-$(id -u).lock"
  : >>"$orca_lock"
  # The namespace's first process mounts what the root needs, then runs the command; when it
  # exits, the kernel ends every other process in the namespace and the mounts are dropped.
  unshare --mount --pid --fork --propagation private -- bash -c '
    set -e
    root=$1 orca_lock=$2; shift 2
    mount -t proc proc "$root/proc"
    mount --rbind /sys "$root/sys"
    mount --rbind /dev "$root/dev"
    mount -t tmpfs -o mode=1777 tmpfs "$root/dev/shm"
    mount -t tmpfs -o mode=1777 tmpfs "$root/tmp"
    : >"$root$orca_lock" && mount --bind "$orca_lock" "$root$orca_lock"
    while [ "$1" != -- ]; do
      mkdir -p "$root$1" && mount --bind "$1" "$root$1"
      shift
    done
    shift
    exec chroot "$root" /usr/bin/env -i HOME=/root TERM="${TERM:-dumb}" LANG=C.UTF-8 \
      PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin ${CI:+CI=$CI} "$@"
  ' bash "$root" "$orca_lock" "${binds[@]}" -- "$@"
}

case "${1:-}" in
  make) [ $# -ge 2 ] || usage; make_root "$2" "${3:-}" ;;
  run)
    [ $# -ge 2 ] || usage
    name=$2; shift 2
    [ -f "$roots/$name/$stamp_name" ] || fail "there is no finished Debian 13 root $name; make it with: $0 make $name"
    run_in "$roots/$name" "$@"
    ;;
  path) [ $# -ge 2 ] || usage; echo "$roots/$2" ;;
  *) usage ;;
esac
