#!/usr/bin/env bash
# The web folder read by the real screen reader: Orca and Firefox ESR, on a virtual X server, set up
# as tests/app/orca_test.sh sets them up for the desktop program (a home of their own, a voice that
# writes every utterance to a file); orca_firefox.py serves the folder, opens it in Firefox and
# drills each quiz with real key presses. Usage: orca_firefox.sh WEB_FOLDER
set -euo pipefail
[ $# -eq 1 ] && [ -f "$1/index.html" ] || { echo "usage: $0 WEB_FOLDER (a folder with index.html)" >&2; exit 2; }
here="$(cd "$(dirname "$0")" && pwd)"
BRIVAN_ORCA_DRIVER="$here/orca_firefox.py" exec bash "$here/../../tests/app/orca_test.sh" "$1"
