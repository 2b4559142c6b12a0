#!/usr/bin/env bash
# Without any display the program says so in one plain sentence and exits, instead of aborting
# inside Qt.
set -u
program="$1"
output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" 2>&1)
status=$?
if [ "$status" -ne 1 ]; then
  echo "expected exit status 1, got $status"; exit 1
fi
if [ "$(printf '%s\n' "$output" | wc -l)" -ne 1 ] || ! grep -q "needs a graphical display" <<<"$output" ||
   ! grep -q "xvfb-run" <<<"$output"; then
  echo "unexpected output: $output"; exit 1
fi
echo "1 passed, 0 failed"
