#!/usr/bin/env bash
# Measures how long Wispane Calendar takes to change the month, as a user sees it,
# with 0, 1,000 and 100,000 schedules, in English and Japanese, under Wine on a
# virtual display.
#
#   scripts/measure-month-change.sh [ROUNDS]      (default 10 changes per case)
#
# WISPANE_SCHEDULES_EN and WISPANE_SCHEDULES_JA may each name a settings file whose
# "Schedule" section, as it stands (in that language's date keys and code page),
# makes one more case of that language, shown as "file": for one, the settings
# file bench/ics/ics-bench.exe leaves after its import.
#
# Method: the program starts from a fresh folder whose settings file holds the
# schedules (spread over the years around today) and the window's place; once its
# picture has settled, bench/startup/MonthChangeProbe.cpp sends Page Down and Page
# Up by turns to the calendar and reads the window from the screen every few
# milliseconds: a change lasts from the key to the last new picture, after which
# the picture stays the same for 500 ms.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
ROUNDS="${1:-10}"
BUILD="$ROOT/build/windows"
for variable in WISPANE_SCHEDULES_EN WISPANE_SCHEDULES_JA; do
  if [[ -n "${!variable:-}" ]]; then
    [[ -f "${!variable}" ]] || { echo "$variable: no file ${!variable}" >&2; exit 1; }
    export "$variable=$(realpath "${!variable}")"
  fi
done
export WINEPREFIX="$BUILD/wineprefix" WINEDEBUG=-all

if [[ -z "${WISPANE_MONTH_CHANGE_BUILT:-}" ]]; then
  WISPANE_SKIP_INSTALL=1 bash "$ROOT/scripts/build-for-wine.sh" WispaneCalendar month-change-probe >/dev/null
  export WISPANE_MONTH_CHANGE_BUILT=1
  if [[ -z "${DISPLAY:-}" ]]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "${BASH_SOURCE[0]}" "$@"
  fi
fi

work="$(mktemp -d)"
trap 'wineserver -k 2>/dev/null; rm -rf "$work"' EXIT
cp "$BUILD/bench/startup/month-change-probe.exe" "$work/"

settings() {  # LANGUAGE COUNT: a settings file with COUNT schedules in the language's date keys
  python3 - "$1" "$2" <<'PY'
import datetime, sys
language, count = sys.argv[1], int(sys.argv[2])
lines = ["[Wispane Calendar]", "WindowPos=0:1:-1:-1:-1:-1:100:100:296:223", "[Schedule]"]
first = datetime.date.today() - datetime.timedelta(days=count // 2)
for n in range(count):
    day = first + datetime.timedelta(days=n)
    key = f"{day.year}/{day.month}/{day.day}" if language == "ja" else f"{day.month}/{day.day}/{day.year}"
    lines.append(f"Schedule={key},Note {n}")
sys.stdout.buffer.write(("\r\n".join(lines) + "\r\n").encode())
PY
}

section_of() {  # FILE: a settings file with FILE's "Schedule" section
  python3 - "$1" <<'PY'
import sys
lines, inside = [b"[Wispane Calendar]", b"WindowPos=0:1:-1:-1:-1:-1:100:100:296:223", b"[Schedule]"], False
for line in open(sys.argv[1], "rb").read().splitlines():
    if line.strip().startswith(b"["):
        inside = line.strip().lower() == b"[schedule]"
    elif inside and line.strip():
        lines.append(line)
sys.stdout.buffer.write(b"\r\n".join(lines) + b"\r\n")
PY
}

measure() {  # LANGUAGE COUNT [FILE]: prints the probe's line for one case, FILE's schedules if given
  local language="$1" count="$2" locale=en_US.UTF-8
  [[ "$language" == ja ]] && locale=ja_JP.UTF-8
  local folder="$work/$language-$count"
  mkdir -p "$folder"
  cp "$BUILD/WispaneCalendar.exe" "$BUILD/Holiday.ini" "$folder/"
  if [[ -n "${3:-}" ]]; then
    section_of "$3" >"$folder/Wispane Calendar.ini"
  else
    settings "$language" "$count" >"$folder/Wispane Calendar.ini"
  fi
  (cd "$folder" && LC_ALL="$locale" exec wine WispaneCalendar.exe </dev/null >/dev/null 2>&1) &
  local program=$!
  local shown=0
  for _ in $(seq 300); do
    if xdotool search --onlyvisible --classname wispanecalendar.exe >/dev/null 2>&1; then shown=1; break; fi
    sleep 0.1
  done
  ((shown)) || { echo "$language $count: no window" >&2; return 1; }
  sleep 2
  # Output to a file: a Wine service process started meanwhile would hold a pipe open.
  LC_ALL="$locale" wine "$work/month-change-probe.exe" "$ROUNDS" >"$folder/probe.txt" 2>&1 </dev/null || true
  echo "$language $count $(cat "$folder/probe.txt")"
  LC_ALL="$locale" wine taskkill /im WispaneCalendar.exe >/dev/null 2>&1 || true
  # Until the program has ended, not only its window: a copy still running would
  # make the next one end at once as a second copy.
  wait "$program" || true
  sleep 1
}

wineserver -p
wine cmd /c exit </dev/null >/dev/null 2>&1
echo "month changes, $ROUNDS per case (Page Down and Page Up by turns), times in ms:"
for language in en ja; do
  for count in 0 1000 100000; do
    measure "$language" "$count"
  done
  variable="WISPANE_SCHEDULES_${language^^}"
  [[ -z "${!variable:-}" ]] || measure "$language" file "${!variable}"
done
