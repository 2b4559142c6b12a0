#!/usr/bin/env bash
# Installs what is missing; builds the core alone, with Qt not to be found, and runs its tests; builds
# everything with warnings as errors and runs every test; then builds it all again with
# AddressSanitizer and UndefinedBehaviorSanitizer and runs the tests there.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh test
jobs="$(nproc)"
for preset in core default sanitize; do
  echo "=== $preset build ==="
  cmake --preset "$preset"
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs"
done
