#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh test
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRIVAN_WERROR=ON
cmake --build build-test
ctest --test-dir build-test --output-on-failure -j "$(nproc)"
