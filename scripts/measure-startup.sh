#!/usr/bin/env bash
# Measures what starting Wispane Calendar costs against a program that shows only a
# month-calendar control (bench/startup/MinimalMonthCalendar.cpp), both under Wine
# on one virtual display in one run.
#
#   scripts/measure-startup.sh [RUNS]      (default 5 runs of each, alternating)
#
# Method: bench/startup/StartupProbe.cpp starts the program itself (CreateProcess,
# the clock starts there) and reads the program's window from the screen every few
# milliseconds. The first complete paint is the first moment the picture on screen
# equals the picture the window keeps once it has not changed for 1.5 s: what a user
# sees, however the program paints, and nothing the program can report about itself.
# Memory is the program's working set and private bytes as Windows (Wine) counts
# them, read by the probe right after the picture settled. Each run starts from a
# fresh copy of the program's folder with an empty settings file, after one
# unmeasured warm-up run of each program: without a file the calendar greets a new
# user with a hint 200 ms after it shows, whose box over the window would count as
# part of the calendar's picture.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
RUNS="${1:-5}"
BUILD="$ROOT/build/windows"
export WINEPREFIX="$BUILD/wineprefix" WINEDEBUG=-all

if [[ -z "${WISPANE_STARTUP_BUILT:-}" ]]; then
  WISPANE_SKIP_INSTALL=1 bash "$ROOT/scripts/build-for-wine.sh" WispaneCalendar minimal-month-calendar startup-probe \
    >/dev/null
  export WISPANE_STARTUP_BUILT=1
  # Without a display: the same script again on a virtual display of its own.
  if [[ -z "${DISPLAY:-}" ]]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "${BASH_SOURCE[0]}" "$@"
  fi
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp "$BUILD/bench/startup/startup-probe.exe" "$work/"

measure() {  # NAME PROGRAM FILES...: one run in a fresh folder; prints the probe's line.
  local name="$1" program="$2"
  shift 2
  local folder="$work/$name-$RANDOM"
  mkdir -p "$folder"
  cp "$program" "$@" "$folder/"
  : >"$folder/Wispane Calendar.ini"
  local windows_path="Z:${folder//\//\\}\\$(basename "$program")"
  # Output to a file: a Wine service process started meanwhile would hold a pipe open.
  wine "$work/startup-probe.exe" "$windows_path" >"$folder/probe.txt" 2>&1 </dev/null
  echo "$name $(cat "$folder/probe.txt")"
  rm -rf "$folder"
}

run_all() {
  wineserver -p
  local calendar=("$BUILD/WispaneCalendar.exe" "$BUILD/Holiday.ini")
  local minimal=("$BUILD/bench/startup/minimal-month-calendar.exe")
  measure warmup-calendar "${calendar[@]}" >/dev/null
  measure warmup-minimal "${minimal[@]}" >/dev/null
  for ((i = 1; i <= RUNS; i++)); do
    measure calendar "${calendar[@]}"
    measure minimal "${minimal[@]}"
  done
  wineserver -k
}

results="$work/results.txt"
run_all >"$results"

python3 - "$results" <<'PY'
import re, statistics, sys

runs = {}
for line in open(sys.argv[1]):
    name, _, rest = line.partition(" ")
    fields = dict(re.findall(r"(\w+)=(\S+)", rest))
    if "complete_ms" not in fields:
        sys.exit(f"a run failed: {line.strip()}")
    runs.setdefault(name, []).append(fields)

def values(name, key):
    return [float(run[key]) for run in runs[name]]

print(f"{'program':<9} {'runs':>4}  {'first complete paint, median (min..max)':<40} {'working set':>11}  {'peak':>8}")
for name in ("calendar", "minimal"):
    times = values(name, "complete_ms")
    print(f"{name:<9} {len(times):>4}  {statistics.median(times):>6.0f} ms ({min(times):.0f}..{max(times):.0f} ms){'':<17}"
          f" {statistics.median(values(name, 'working_set_kb')) / 1024:>8.1f} MB"
          f" {statistics.median(values(name, 'peak_working_set_kb')) / 1024:>5.1f} MB")
ratio = statistics.median(values("calendar", "complete_ms")) / statistics.median(values("minimal", "complete_ms"))
print(f"time ratio calendar / minimal: {ratio:.2f} (goal: at most 1.10)")
PY
