#!/usr/bin/env bash
# Builds the program and the bare Qt baselines in release mode and prints the benchmark table.
# Usage: bash bench/run.sh [runs]   (20 runs unless told otherwise)
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh bench
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRIVAN_TESTS=OFF >/dev/null
cmake --build build-bench --target brivan bench_bare_dialog bench_bare_swap
# A display of its own, so that nothing else on the machine draws on it.
number=90
while [ -e "/tmp/.X${number}-lock" ] || [ -e "/tmp/.X11-unix/X${number}" ]; do number=$((number + 1)); done
display=":$number"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${number}" ] && break; sleep 0.1; done
echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs), Qt $(dpkg-query -W -f='${Version}' qt6-base-dev)"
DISPLAY="$display" /usr/bin/python3 bench/measure.py --runs "${1:-20}"
