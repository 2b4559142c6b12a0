#!/usr/bin/env bash
# Makes the Debian 13 package in a Debian 13 root of its own (from a fresh clone of this checkout's
# last commit), shows what lintian --pedantic says of it, then installs it into a fresh Debian 13
# root with apt-get, starts the program under xvfb-run until the terms window is shown, and removes
# it again. Writes build-debian13/brivan_VERSION+deb13_amd64.deb and its log. Not part of CI.
set -euo pipefail
cd "$(dirname "$0")/.."
checkout=$PWD
out=$checkout/build-debian13
mkdir -p "$out"

echo "== the package, made in the Debian 13 root 'package'"
bash tools/debian13.sh make package
bash tools/debian13.sh run package --bind "$checkout" --bind "$out" -- bash -c '
  set -euo pipefail
  checkout=$1 out=$2
  git config --global --add safe.directory "$checkout/.git"
  rm -rf /root/brivan && git clone --quiet "$checkout" /root/brivan && cd /root/brivan
  tools/install-deps.sh run >/dev/null
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends file lintian >/dev/null
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRIVAN_TESTS=OFF >/dev/null
  cmake --build build >/dev/null
  cpack --config build/CPackConfig.cmake -B build/package >/dev/null
  rm -f "$out"/brivan_*.deb && cp build/package/brivan_*.deb "$out/"
  echo "lintian --pedantic $(basename "$out"/brivan_*.deb):"
  lintian --pedantic --display-info --fail-on error,warning "$out"/brivan_*.deb 2>&1 |
    grep -v "running with root privileges" || true
  lintian --pedantic --fail-on error,warning "$out"/brivan_*.deb >/dev/null 2>&1 && echo "(no error, no warning)"
' bash "$checkout" "$out" | tee "$out/package.log"
deb=$(ls "$out"/brivan_*+deb13_*.deb)

echo "== installed, started and removed in a fresh Debian 13 root 'package-check'"
rm -f "$(bash tools/debian13.sh path package-check)/.brivan-root-complete"
bash tools/debian13.sh make package-check
bash tools/debian13.sh run package-check --bind "$out" -- bash -c '
  set -euo pipefail
  deb=$1
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends xvfb xauth xdotool >/dev/null
  echo "apt-get install ./$(basename "$deb")"
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$deb" 2>&1 | grep -E "^(Installing|  brivan|Setting up brivan|Summary)" || true
  dpkg -s brivan | grep -E "^(Status|Version|Depends):"
  echo "xvfb-run: brivan"
  xvfb-run -a bash -c "brivan & for i in \$(seq 50); do
      title=\$(xdotool search --onlyvisible --name . getwindowname 2>/dev/null | head -n 1)
      [ -n \"\$title\" ] && break; sleep 0.2; done
    echo \"  window shown: \$title\"; kill %1; [ \"\$title\" = \"Brivan Review Program\" ]"
  echo "apt-get remove brivan"
  DEBIAN_FRONTEND=noninteractive apt-get remove -y -q brivan >/dev/null
  state=$(dpkg-query -W -f="\${Status}" brivan 2>/dev/null || echo "not known to dpkg")
  echo "  after removal: dpkg: ${state}; /usr/bin/brivan $([ -e /usr/bin/brivan ] && echo present || echo gone)"
  [ ! -e /usr/bin/brivan ] && [ ! -e /usr/share/applications/brivan.desktop ] && [[ "$state" != *" installed" ]]
' bash "$deb" | tee -a "$out/package.log"
echo "Debian 13 package: $deb"
