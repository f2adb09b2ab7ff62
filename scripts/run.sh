#!/usr/bin/env bash
# Builds Wispane Calendar and starts it under Wine from build/windows, where the
# program, Holiday.ini and its settings file "Wispane Calendar.ini" lie together.
#
#   scripts/run.sh                          (LC_ALL=ja_JP.UTF-8 scripts/run.sh: in Japanese)
#
# It installs what is missing first (scripts/install-deps.sh, as root) and prepares
# the Wine prefix build/windows/wineprefix. With a display (DISPLAY set) the calendar
# runs there until you close it. Without one it runs on a virtual display: the
# script waits until the calendar's picture is complete, saves a screenshot to
# build/windows/screenshot.png, says so, and closes the calendar as a user would
# (Alt+F4), which writes the settings file.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$ROOT/build/windows"
export WINEPREFIX="$BUILD/wineprefix" WINEDEBUG="${WINEDEBUG:--all}"

if [[ -z "${WISPANE_RUN_BUILT:-}" ]]; then
  bash "$ROOT/scripts/build-for-wine.sh" WispaneCalendar wispane-window-probe
  export WISPANE_RUN_BUILT=1
  if [[ -z "${DISPLAY:-}" ]]; then
    echo "No display: starting a virtual one."
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "${BASH_SOURCE[0]}" --screenshot
  fi
fi

cd "$BUILD"
if [[ "${1:-}" != "--screenshot" ]]; then
  echo "Starting $BUILD/WispaneCalendar.exe"
  exec wine WispaneCalendar.exe
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# Output to files: a Wine service process started meanwhile would hold a pipe open.
probe() { wine "$BUILD/tests/e2e/wispane-window-probe.exe" "$@" >"$work/probe.out" 2>&1 </dev/null; }

first_start=1
[[ -f "$BUILD/Wispane Calendar.ini" ]] && first_start=0
wine WispaneCalendar.exe >"$work/calendar.log" 2>&1 </dev/null &
calendar=$!

# A first start greets with a hint over the calendar: it is pressed away first.
for ((attempt = 0; first_start && attempt < 40; attempt++)); do
  if probe messages && grep -q caption "$work/probe.out"; then
    echo "First start: the hint \"$(python3 -c 'import json, sys
print(" ".join(json.load(open(sys.argv[1]))[0]["texts"]).replace("\n", " "))' "$work/probe.out")\" was shown and closed."
    probe dismiss
    # Without a window manager Wine takes up to two seconds to let a window go.
    sleep 2.5
    break
  fi
  sleep 0.25
done

# Complete: the window shows and two pictures half a second apart are the same.
previous=""
settled=0
for ((attempt = 0; attempt < 120 && !settled; attempt++)); do
  if ! kill -0 "$calendar" 2>/dev/null; then
    echo "The calendar ended before it showed (another copy running?):" >&2
    cat "$work/calendar.log" >&2
    exit 1
  fi
  if probe snapshot "$work/picture.ppm"; then
    current="$(md5sum <"$work/picture.ppm")"
    [[ "$current" == "$previous" ]] && settled=1
    previous="$current"
  fi
  ((settled)) || sleep 0.5
done
if ((!settled)); then
  echo "The calendar's window did not settle within a minute." >&2
  exit 1
fi

convert "$work/picture.ppm" "$BUILD/screenshot.png"
echo "Screenshot of the running calendar: $BUILD/screenshot.png"

# Alt+F4 reaches the window under the pointer: there is no window manager.
probe windows
read -r x y < <(python3 -c 'import json, sys
rect = json.load(open(sys.argv[1]))["windows"][0]["rect"]
print((rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2)' "$work/probe.out")
xdotool mousemove "$x" "$y" key --clearmodifiers alt+F4
wait "$calendar"
echo "Closed; its settings are in $BUILD/Wispane Calendar.ini"
