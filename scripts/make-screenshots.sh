#!/usr/bin/env bash
# Makes the README's pictures from the real program under Wine, on a virtual
# display of its own: the calendar plain and see-through, its options menu and the
# schedule editor, in English and in Japanese. The day is fixed (14 May 2026,
# 10:30, through faketime) and a few sample schedules are stored, so the pictures
# come out the same each time. Each picture is cropped to its window, and to the
# window and its menu where a menu shows.
#
#   scripts/make-screenshots.sh            (writes docs/screenshots/*.png)
#
# Like run.sh it installs what is missing and builds the windows preset first.
# It exits non-zero when a picture could not be made, after making the others.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$ROOT/build/windows"
OUT="$ROOT/docs/screenshots"
export WINEPREFIX="$BUILD/wineprefix" WINEDEBUG=-all

if [[ -z "${WISPANE_SCREENSHOTS_BUILT:-}" ]]; then
  bash "$ROOT/scripts/build-for-wine.sh" WispaneCalendar wispane-window-probe
  export WISPANE_SCREENSHOTS_BUILT=1
  # -noreset: the desktop colour set below would go when its setter disconnects.
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash "${BASH_SOURCE[0]}"
fi

TODAY="2026-05-14 10:30:00"
PLACE=(100 100)
DESKTOP="#3a6ea5"
ID_SEE_THROUGH=32772
# Per language: the editor's caption and three schedules keyed in the locale's
# short date form (M/d/yyyy and yyyy/M/d).
declare -A CAPTION=([en]="Edit Schedule" [ja]="予定の編集")
declare -A SCHEDULES=(
  [en]=$'5/8/2026,Dentist 9:30\n5/19/2026,Piano lesson\n5/28/2026,Book club'
  [ja]=$'2026/5/8,歯医者 9:30\n2026/5/19,ピアノ\n2026/5/28,読書会')
declare -A LOCALE=([en]=en_US.UTF-8 [ja]=ja_JP.UTF-8)

work="$(mktemp -d)"
started_server=0
cleanup() {
  ((started_server)) && wineserver -k
  rm -rf "$work"
}
trap cleanup EXIT
# One Wine server for every start here, unless one runs already.
wineserver -p && started_server=1 || true
wine cmd /c exit </dev/null >/dev/null 2>&1
# Without a window manager Wine draws the editor's caption itself only for
# unmanaged windows, and waits for no manager as they close.
managed_key='HKCU\Software\Wine\AppDefaults\WispaneCalendar.exe\X11 Driver'
wine reg add "$managed_key" /v Managed /d N /f </dev/null >/dev/null 2>&1
# Wine draws the caption buttons with the Marlett font, which it finds only in the
# prefix's Fonts folder: without it the editor's close button shows an "r".
if [[ ! -f "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf" && -f /usr/share/wine/fonts/marlett.ttf ]]; then
  cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
fi
mkdir -p "$OUT"
xsetroot -solid "$DESKTOP"
missing=()

# Output to files: a Wine service process started meanwhile would hold a pipe open.
probe() { wine "$BUILD/tests/e2e/wispane-window-probe.exe" "$@" >"$work/probe.out" 2>/dev/null </dev/null; }
json() { python3 -c "import json, sys; value = json.load(open(sys.argv[1])); print($1)" "$work/probe.out"; }

crop() {  # LEFT TOP RIGHT BOTTOM NAME: that part of the screen as docs/screenshots/NAME.png
  import -window root -crop "$(($3 - $1))x$(($4 - $2))+$1+$2" +repage "$OUT/$5.png"
  echo "  $OUT/$5.png"
}

# Until the screen shows the same twice, half a second apart.
settle() {  # LEFT TOP RIGHT BOTTOM
  local previous="" current
  for _ in $(seq 40); do
    current="$(import -window root -crop "$(($3 - $1))x$(($4 - $2))+$1+$2" ppm:- | md5sum)"
    [[ "$current" == "$previous" ]] && return 0
    previous="$current"
    sleep 0.5
  done
}

wait_for() {  # SECONDS COMMAND...: until the command succeeds
  local tries=$(($1 * 4))
  shift
  for _ in $(seq "$tries"); do
    "$@" && return 0
    sleep 0.25
  done
  return 1
}

editor_window() { xdotool search --onlyvisible --name "^$1\$" >"$work/editor.id" 2>/dev/null; }
no_editor() { ! editor_window "$1"; }
no_menu() { ! probe menu; }
one_calendar() { probe windows && [[ "$(json 'len(value["windows"])')" == 1 ]]; }

shoot() {  # LANGUAGE
  local language="$1"
  local folder="$work/$language"
  mkdir -p "$folder"
  cp "$BUILD/WispaneCalendar.exe" "$BUILD/Holiday.ini" "$folder/"
  {
    printf '[Wispane Calendar]\r\n'
    printf 'WindowPos=0:1:-1:-1:-1:-1:%d:%d:%d:%d\r\n' "${PLACE[0]}" "${PLACE[1]}" $((PLACE[0] + 200)) $((PLACE[1] + 200))
    printf 'Config=1,0,0,00ffffff,0,1,0,0000bf00,1\r\n[Schedule]\r\n'
    while IFS= read -r line; do printf 'Schedule=%s\r\n' "$line"; done <<<"${SCHEDULES[$language]}"
  } | iconv -f UTF-8 -t CP932 >"$folder/Wispane Calendar.ini"
  export LC_ALL="${LOCALE[$language]}"
  echo "$language:"

  xdotool mousemove 5 5
  (cd "$folder" && exec faketime "$TODAY" wine WispaneCalendar.exe >"$folder/wine.log" 2>&1 </dev/null) &
  local calendar=$!
  wait_for 60 one_calendar
  local left top right bottom
  read -r left top right bottom < <(json '" ".join(map(str, value["windows"][0]["rect"]))')
  settle "$left" "$top" "$right" "$bottom"
  crop "$left" "$top" "$right" "$bottom" "calendar-$language"

  # The options menu: a right click on the title band, beside the month's name.
  # (A menu of one or two items is not it.)
  xdotool mousemove $((left + 40)) $((top + 8)) click 3
  local menu=(0 0 0 0)
  wait_for 5 probe menu && read -r -a menu < <(json '" ".join(map(str, value["rect"]))')
  if ((menu[3] - menu[1] > 100)); then
    sleep 0.5
    crop "$((left < menu[0] ? left : menu[0]))" "$((top < menu[1] ? top : menu[1]))" \
      "$((right > menu[2] ? right : menu[2]))" "$((bottom > menu[3] ? bottom : menu[3]))" "options-menu-$language"
    xdotool key Escape
    wait_for 5 no_menu
  else
    echo "  no options menu showed on a right click on the title" >&2
    missing+=("options-menu-$language")
    xdotool key Escape
  fi

  # The schedule editor: a right click on 19 May, a day with a schedule, then E.
  probe cells 2026-05-14
  local day
  read -r -a day < <(json '" ".join(map(str, value["2026-05-19"]))')
  xdotool mousemove $((left + (day[0] + day[2]) / 2)) $((top + (day[1] + day[3]) / 2)) click 3
  if wait_for 5 probe menu && xdotool key e && wait_for 10 editor_window "${CAPTION[$language]}"; then
    eval "$(xdotool getwindowgeometry --shell "$(head -n 1 "$work/editor.id")")"
    settle "$X" "$Y" $((X + WIDTH)) $((Y + HEIGHT))
    crop "$X" "$Y" $((X + WIDTH)) $((Y + HEIGHT)) "schedule-editor-$language"
    # Esc ends the cell being edited first, then the editor (Cancel).
    for _ in 1 2 3; do
      xdotool key Escape
      wait_for 2 no_editor "${CAPTION[$language]}" && break
    done
  else
    echo "  the schedule editor did not show" >&2
    missing+=("schedule-editor-$language")
  fi

  xdotool mousemove 5 5
  probe command "$ID_SEE_THROUGH"
  sleep 1
  settle "$left" "$top" "$right" "$bottom"
  crop "$left" "$top" "$right" "$bottom" "calendar-$language-see-through"

  wine taskkill /im WispaneCalendar.exe >/dev/null 2>&1 </dev/null
  wait "$calendar"
}

shoot en
shoot ja
wine reg delete "$managed_key" /f </dev/null >/dev/null 2>&1
if ((${#missing[@]})); then
  echo "Not made: ${missing[*]}" >&2
  exit 1
fi
