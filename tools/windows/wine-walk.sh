#!/usr/bin/env bash
# The Windows program met as a pilot meets it, under Wine: installed silently in a fresh Wine
# prefix, started from its Start-menu entry on a virtual X display with a window manager, walked
# with real X key events at five display scales (100 to 200 %, on a 1920 x 1080 screen),
# photographed, ended with Escape and uninstalled silently. At 100 % a UI Automation client of our
# own (uia-listen.exe) is attached, as a screen reader is, and what the program raises through
# UI Automation is read from Wine's uiautomation debug channel. The window must stay inside the
# screen at every scale, and on a 1366 x 768 screen at 100 and 125 %.
# Usage: wine-walk.sh INSTALLER WORK_DIR PROGRAM_FOLDER VERSION UIA_LISTEN_EXE
#   PROGRAM_FOLDER: what the installer should put down (the ZIP's folder); the screenshots land in
#   WORK_DIR/screenshots/PERCENT.
#
# Checked here: window titles (each move opens the screen it should, and only that one), the
# installed files, Start-menu entry and "Apps and features" record, that Escape ends the program,
# and that uninstalling removes them all. Inside the windows, the question and the verdict lines are
# read from the screenshots with OCR (tesseract); the rest of each picture is for a person to look
# at.
set -euo pipefail
usage="usage: $0 INSTALLER WORK_DIR PROGRAM_FOLDER VERSION UIA_LISTEN_EXE"
installer="$(realpath "${1:?$usage}")"
work="$(realpath -m "${2:?$usage}")"
expected_folder="$(realpath "${3:?$usage}")"
version="${4:?$usage}"
uia_listen="$(realpath "${5:?$usage}")"
all_shots="$work/screenshots"

# A fresh prefix every time: one left by an earlier run, finished or not, is never reused.
export WINEPREFIX="$work/wine-prefix" WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="  # no offer to install Wine's .NET and browser engines
rm -rf "$WINEPREFIX" "$all_shots"
mkdir -p "$WINEPREFIX" "$all_shots"
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)

xvfb_pid= wm_pid=
cleanup() {
  stop_display
  return 0
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
pass() { echo "ok: $*"; }

# A display of our own, WIDTHxHEIGHT: Xvfb picks a free number and writes it to a file descriptor.
start_display() {
  stop_display
  rm -f "$work/display"
  Xvfb -displayfd 3 -screen 0 "${1}x24" -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 1 50); do [ -s "$work/display" ] && break; sleep 0.2; done
  [ -s "$work/display" ] || fail "Xvfb did not start (see $work/xvfb.log)"
  export DISPLAY=":$(head -n 1 "$work/display")"
  openbox >"$work/openbox.log" 2>&1 &
  wm_pid=$!
  screen_size=$1
}
stop_display() {
  "$wineserver" -k 2>/dev/null || true
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wm_pid= xvfb_pid=
  sleep 0.5
}
start_display 1920x1080

echo "Wine $(wine --version) on display $DISPLAY, prefix $WINEPREFIX"
wine wineboot --init >"$work/wineboot.log" 2>&1
"$wineserver" -w
wine winecfg -v win10 >>"$work/wineboot.log" 2>&1  # Qt 6 is made for Windows 10 and later
# Wine draws the title bars and frames itself, at the sizes Windows gives them at each scale, and
# the window manager only stacks and focuses the windows: a window is measured whole, as Windows
# places it. (Drawn by openbox, the title bar came on top of Wine's idea of the window's top.)
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
bash "$(dirname "$0")/wine-fonts.sh" || fail "the fonts could not be put into the Wine prefix"

# --- Install, silently, per machine.
folder="$WINEPREFIX/drive_c/Program Files/Brivan Review Program"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Brivan Review Program"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Brivan Review Program'
wine "$installer" /S
"$wineserver" -w
files_in() { (cd "$1" && find . -type f | sort); }
[ -f "$folder/brivan.exe" ] || fail "the installer put no brivan.exe in $folder"
[ "$(files_in "$folder" | grep -vx './Uninstall.exe')" = "$(files_in "$expected_folder")" ] ||
  fail "the installed files differ from the program folder: $(diff <(files_in "$folder") <(files_in "$expected_folder"))"
pass "installed into C:\\Program Files\\Brivan Review Program: the program folder and Uninstall.exe"
[ -f "$menu/Brivan Review Program.lnk" ] || fail "no Start-menu entry \"Brivan Review Program\""
pass "Start-menu entry \"Brivan Review Program\""
record="$(wine reg query "$uninstall_key" 2>/dev/null | tr -d '\r')"
grep -Eq 'DisplayName +REG_SZ +Brivan Review Program$' <<<"$record" || fail "no \"Apps and features\" entry: $record"
grep -Eq "DisplayVersion +REG_SZ +${version//./\\.}\$" <<<"$record" || fail "\"Apps and features\" shows no version $version: $record"
grep -Eq 'DisplayIcon +REG_SZ +C:\\Program Files\\Brivan Review Program\\brivan\.exe$' <<<"$record" \
  || fail "\"Apps and features\" shows no icon: $record"
pass "\"Apps and features\" lists Brivan Review Program $version with its icon"

# --- The walk. Windows are told apart by their titles. Every shown window counts, so that an error
# box (Wine's "Program Error" after a crash) fails the walk as well.
visible_titles() {  # the titles of the mapped windows, one a line
  local id
  for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
    xdotool getwindowname "$id"
  done | sort -u
}
expect_only_window() {  # waits until the one window of the program shown has this title
  local title=$1 seen
  for _ in $(seq 1 150); do
    seen="$(visible_titles)"
    [ "$seen" = "$title" ] && break
    sleep 0.2
  done
  [ "$seen" = "$title" ] || fail "expected the window \"$title\" alone, found: ${seen//$'\n'/; }"
  # Key events go to the active window: make sure it is this one.
  xdotool search --onlyvisible --name '^Brivan' windowactivate --sync >/dev/null 2>&1 || true
  sleep 0.5  # let the screen draw before it is photographed or typed at
  pass "the window \"$title\" is open, alone"
}
shoot() { import -window root "$shots/$1.png"; }
read_text() {  # read_text SHOT ENLARGEMENT: the text OCR finds, on one line (enlarged and grey)
  convert "$shots/$1.png" -colorspace Gray -resize "$2%" "$work/ocr.png"
  tesseract "$work/ocr.png" - 2>/dev/null | tr '\n' ' ' | tr -s ' ' | sed "s/[’‘]/'/g"
}
expect_text() {  # screenshot text; OCR misses lines at some sizes, so several are tried
  local size text
  for size in 300 200 100 150; do
    text="$(read_text "$1" "$size")"
    grep -qF "$2" <<<"$text" && { pass "the screen $1 shows \"$2\""; return 0; }
  done
  fail "the screen $1 does not show \"$2\" (OCR read: $text)"
}

set_scale() {  # the display scale Windows programs see: LogPixels, read when Wine starts
  "$wineserver" -k 2>/dev/null || true
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null
  "$wineserver" -w
}

expect_on_screen() {  # the window with this title, its frame included, lies inside the screen
  local title=$1 id x y w h left right top bottom
  id=$(xdotool search --onlyvisible --name "^${title}\$" | head -n 1)
  eval "$(xdotool getwindowgeometry --shell "$id")"
  read -r left right top bottom < <(xprop -id "$id" _NET_FRAME_EXTENTS | sed -n 's/.*= //; s/,//gp') || true
  left=${left:-0} right=${right:-0} top=${top:-0} bottom=${bottom:-0}  # none, undecorated
  local screen_w=${screen_size%x*} screen_h=${screen_size#*x}
  x=$((X - left)) y=$((Y - top)) w=$((WIDTH + left + right)) h=$((HEIGHT + top + bottom))
  [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le "$screen_w" ] && [ $((y + h)) -le "$screen_h" ] ||
    fail "at $percent % on $screen_size the window \"$title\" with its frame ($w x $h at $x,$y) leaves the screen"
  pass "at $percent % on $screen_size the window \"$title\" with its frame ($w x $h at $x,$y) is on the screen"
}

program_ended() {  # within 30 s; other Wine programs (the UI Automation client) may run on
  for _ in $(seq 1 150); do
    pgrep -f 'brivan\.exe' >/dev/null || return 0
    sleep 0.2
  done
  return 1
}

start_program() {  # from its Start-menu entry; what it writes to its error stream is kept
  wine start /unix "$menu/Brivan Review Program.lnk" 2>>"$work/program-$percent.log"
}

walk() {  # walk DPI: the whole walk at the display scale set
  local dpi=$1
  percent=$((dpi * 100 / 96))
  shots="$all_shots/$percent"
  mkdir -p "$shots"
  start_program
  expect_only_window "Brivan Review Program"
  expect_on_screen "Brivan Review Program"
  shoot 1-terms

  xdotool key Return
  expect_only_window "Brivan 2000 Limitations"
  expect_on_screen "Brivan 2000 Limitations"
  xdotool key alt+n
  sleep 1
  shoot 2-limitations-question
  expect_text 2-limitations-question "The wing span"  # (OCR reads the blanks, and the space before them, differently at each scale)
  xdotool type --delay 100 64
  xdotool key Return
  sleep 1
  shoot 3-limitations-verdict
  expect_text 3-limitations-verdict "That's Not Correct!"
  expect_text 3-limitations-verdict "The Correct Answer is 63"
  # A right answer: the third question, as the Orca test answers it.
  xdotool key Return; sleep 0.5; xdotool key Return; sleep 0.5; xdotool key Return; sleep 0.5
  xdotool type --delay 100 36700
  xdotool key Return
  sleep 1
  shoot 3-limitations-right
  expect_text 3-limitations-right "1 out of 3 correct!"

  # Each quiz screen is photographed as it opens and with its first question, which brings out
  # the light, the choices and the step boxes.
  xdotool key alt+m
  expect_only_window "Brivan 2000 Annunciators"
  expect_on_screen "Brivan 2000 Annunciators"
  shoot 4-annunciators
  xdotool key alt+n
  sleep 1
  shoot 5-annunciators-question
  xdotool type b; xdotool key Return  # wrong: the first light is A
  sleep 1
  xdotool key alt+n; sleep 0.5
  xdotool type b; xdotool key Return  # right: the second light is B
  sleep 1
  shoot 5-annunciators-right
  expect_text 5-annunciators-right "1 out of 2 correct!"
  xdotool key alt+i
  expect_only_window "Brivan 2000 Memory Items"
  expect_on_screen "Brivan 2000 Memory Items"
  shoot 6-memory-items
  xdotool key alt+n
  sleep 1
  shoot 7-memory-items-question
  xdotool key alt+e  # wrong: the steps as they stand
  sleep 1
  # Right: the first checklist's order, numbered box by box from the keyboard.
  xdotool key Tab Tab Tab
  for number in 2 1 3 4 5 7 6; do xdotool type "$number"; xdotool key Tab; sleep 0.2; done
  xdotool key alt+e
  sleep 1
  shoot 7-memory-items-right
  expect_text 7-memory-items-right "1 out of 2 correct!"

  xdotool key Escape
  program_ended || fail "the program did not end on Escape"
  [ -z "$(visible_titles)" ] || fail "a window is still open after Escape: $(visible_titles)"
  pass "at $percent %: Escape ended the program"
}

fits() {  # fits SCREEN DPI: the terms window and the largest quiz window at one scale and screen
  start_display "$1"
  percent=$(($2 * 100 / 96))
  set_scale "$2"
  start_program
  expect_only_window "Brivan Review Program"
  expect_on_screen "Brivan Review Program"
  xdotool key Return
  expect_only_window "Brivan 2000 Limitations"
  expect_on_screen "Brivan 2000 Limitations"
  xdotool key Escape
  program_ended || fail "the program did not end on Escape"
}

# What reaches UI Automation, at 100 %: our client attached first, as a screen reader is, and the
# program's calls to UiaRaiseNotificationEvent read from Wine's uiautomation debug channel.
uia_stop="$work/uia-stop"
rm -f "$uia_stop" "$work/uia-client.log" "$work/program-100.log"
set_scale 96
WINEDEBUG=-all wine "$uia_listen" "$(winepath -w "$uia_stop")" 600 >"$work/uia-client.log" 2>&1 &
uia_pid=$!
sleep 3
export WINEDEBUG=+uiautomation
walk 96
export WINEDEBUG=-all
touch "$uia_stop"
wait "$uia_pid" 2>/dev/null || true
tools_dir="$(cd "$(dirname "$0")" && pwd)"
python3 "$tools_dir/uia_heard.py" "$work/program-100.log" "$work/uia-client.log" | tee "$work/uia-heard.txt"

for dpi in 120 144 168 192; do
  set_scale "$dpi"
  walk "$dpi"
done
fits 1366x768 96
fits 1366x768 120
start_display 1920x1080
set_scale 96

# --- Uninstall, silently. The uninstaller runs on from a copy of itself: wait for every process.
wine "$folder/Uninstall.exe" /S
timeout 60 "$wineserver" -w || fail "the uninstaller did not finish"
[ ! -e "$folder" ] || fail "the install folder is still there: $(find "$folder" | head -n 5)"
[ ! -e "$menu" ] || fail "the Start-menu entry is still there"
! wine reg query "$uninstall_key" >/dev/null 2>&1 || fail "\"Apps and features\" still lists the program"
pass "uninstalled: the install folder, the Start-menu entry and the \"Apps and features\" record are gone"

echo "Screenshots: $all_shots"
