#!/usr/bin/env bash
# The program with the real screen reader: Debian's Orca and speech-dispatcher in a home of their
# own, on a virtual X server, with a speech-dispatcher voice that writes every utterance to a file
# instead of a sound device. orca_test.py drives the program with real X key events and reads
# that file. Usage: orca_test.sh PATH/TO/brivan
set -euo pipefail
program="$(realpath -m "$1")"
here="$(cd "$(dirname "$0")" && pwd)"

home="$(mktemp -d)"
[ -n "${BRIVAN_KEEP_HOME:-}" ] || trap 'pkill -u "$(id -u)" -f "speech-dispatcher.*$home" 2>/dev/null || true; rm -rf "$home"' EXIT
spoken="$home/spoken.txt"
mkdir -p "$home/.config/speech-dispatcher/modules" "$home/runtime"
chmod 700 "$home/runtime"
: >"$spoken"

# The only voice: each utterance becomes one line of the file. Sound goes through libao to its
# null device, so no sound server or card is needed.
cat >"$home/.config/speech-dispatcher/speechd.conf" <<EOF
AddModule "capture" "sd_generic" "capture.conf"
DefaultModule capture
AudioOutputMethod "libao"
Timeout 30
EOF
echo "default_driver=null" >"$home/.libao"
cat >"$home/.config/speech-dispatcher/modules/capture.conf" <<EOF
GenericExecuteSynth "printf '%s\\\\n' \\'\$DATA\\' >> $spoken"
GenericCmdDependency "printf"
AddVoice "en" "MALE1" "en"
DefaultVoice "en"
GenericLanguage "en" "en" "utf-8"
EOF

export HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share"
export XDG_CACHE_HOME="$home/.cache" XDG_RUNTIME_DIR="$home/runtime"
# The desktop setting a screen reader turns on; the accessibility bus reads it when it starts.
export GSETTINGS_BACKEND=keyfile
gsettings set org.gnome.desktop.interface toolkit-accessibility true 2>/dev/null || true
unset QT_LINUX_ACCESSIBILITY_ALWAYS_ON QT_QPA_PLATFORM DISPLAY WAYLAND_DISPLAY
export QT_SCALE_FACTOR=1 BRIVAN_SPOKEN="$spoken"

# One Orca at a time on the machine: a second Orca refuses to start, and Orca's --replace kills the
# first, whichever test or build tree started it. This shell alone holds the lock: the drill gets
# no copy of it, or an X server left behind by a killed drill would hold it for good.
exec 9>"${TMPDIR:-/tmp}/brivan-orca-$(id -u).lock"
flock --timeout 1800 9

# The drill: the desktop program's (orca_test.py), or another's named by BRIVAN_ORCA_DRIVER.
dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24" /usr/bin/python3 "${BRIVAN_ORCA_DRIVER:-$here/orca_test.py}" "$program" 9>&-
