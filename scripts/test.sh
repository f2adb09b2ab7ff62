#!/usr/bin/env bash
# Runs every test of Wispane Calendar: installs what is missing, builds the native
# and the Windows preset and runs their tests (the Windows ones under Wine on a
# virtual display), then builds the fuzz targets and runs each for a bounded time.
# Ends with a summary whose last line is "N passed, N failed" (tests and fuzz
# targets; a step that fails before its tests can run counts as one failure) and
# exits non-zero on any failure.
set -uo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$ROOT"
# How one fuzz target is run and its log read, shared with the long campaigns.
source "$ROOT/scripts/fuzz.sh"

FUZZ_SECONDS="${WISPANE_FUZZ_SECONDS:-15}"
WINE_PREFIX="$ROOT/build/windows/wineprefix"

passed=0
failed=0
summary=()
started=$SECONDS

record() {  # STATUS TEXT
  summary+=("$(printf '%-4s  %s' "$1" "$2")")
}

fail() {  # TEXT
  record FAIL "$1"
  failed=$((failed + 1))
}

step() {  # NAME COMMAND...: one build step, timed; a failure counts once.
  local name="$1" begin=$SECONDS
  shift
  echo "==> $name"
  if "$@"; then
    record ok "$name ($((SECONDS - begin)) s)"
    return 0
  fi
  fail "$name ($((SECONDS - begin)) s)"
  return 1
}

prepare_wine_prefix() {  # the prefix, without installer dialogs, with the Japanese fonts mapped
  bash "$ROOT/scripts/prepare-wine-prefix.sh" "$WINE_PREFIX" || return 1
  # The window tests open and close a few hundred windows on a display without a
  # window manager, where Wine waits two seconds at each close for a manager to
  # answer: their windows (theirs alone) go unmanaged.
  WINEPREFIX="$WINE_PREFIX" WINEDEBUG=-all wine reg add \
    'HKCU\Software\Wine\AppDefaults\wispane_window_tests.exe\X11 Driver' /v Managed /d N /f \
    </dev/null >/dev/null 2>&1 && WINEPREFIX="$WINE_PREFIX" wineserver -w
}

run_ctest() {  # PRESET [WRAPPER...]: runs the preset's tests and adds up their results.
  local preset="$1" begin=$SECONDS
  shift
  local log="$ROOT/build/$preset/ctest-summary.log"
  echo "==> $preset: tests"
  "$@" ctest --preset "$preset" --no-tests=error 2>&1 | tee "$log"
  local status=${PIPESTATUS[0]}
  local counts failures total
  counts="$(grep -Eo '[0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)"
  if [[ -z "$counts" ]]; then
    fail "$preset: tests did not run (ctest exit $status)"
    return 1
  fi
  failures="${counts%% *}"
  total="${counts##* }"
  if ((status != 0 && failures == 0)); then
    failures=1
  fi
  passed=$((passed + total - failures))
  failed=$((failed + failures))
  local text="$preset: $((total - failures)) of $total tests passed ($((SECONDS - begin)) s)"
  if ((failures)); then record FAIL "$text"; else record ok "$text"; fi
  ((failures == 0))
}

# Wine's GUI programs need a display: the Windows tests run on a virtual one. One
# persistent Wine server with its service and desktop processes serves every test,
# which saves each one their start (seconds). They are started first, away from
# ctest's output pipes, which they would otherwise hold open after a test ends.
# The server is shut down before the display goes. The display never resets: Xvfb
# would when its last client left, while console tests run, and the desktop process
# of the next window would then fail to connect ("no driver could be loaded").
run_windows_ctest() {
  xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash -c '
    export WINEPREFIX="$1" WINEDEBUG=-all
    wineserver -p
    wine cmd /c exit </dev/null >/dev/null 2>&1
    # The windows of the program go unmanaged while its tests run, as those of the
    # window tests do: no window manager answers here, and Wine waited two seconds
    # for one at each window that went. Run from this prefix later, it is managed.
    key="HKCU\\Software\\Wine\\AppDefaults\\WispaneCalendar.exe\\X11 Driver"
    wine reg add "$key" /v Managed /d N /f </dev/null >/dev/null 2>&1
    timeout 1800 "${@:2}"
    status=$?
    wine reg delete "$key" /f </dev/null >/dev/null 2>&1
    wineserver -k
    wineserver -w
    exit $status' _ "$WINE_PREFIX" "$@"
}

test_preset() {  # PRESET [WRAPPER...]
  local preset="$1"
  shift
  step "$preset: configure" cmake --preset "$preset" || return 1
  step "$preset: build" cmake --build --preset "$preset" || return 1
  run_ctest "$preset" "$@"
}

judge_fuzz_target() {  # NAME STATUS SECONDS
  local name="$1" status="$2" seconds="$3"
  local log
  log="$(fuzz_log "$name")"
  if ((status == 0)); then
    local runs
    runs="$(fuzz_stat "$name" number_of_executed_units)"
    record ok "fuzz: $name, ${runs:-?} inputs, no finding ($seconds s)"
    passed=$((passed + 1))
    return 0
  fi
  tail -n 60 "$log"
  fail "fuzz: $name found a fault (exit $status): see $log and build/fuzz/artifacts/$name ($seconds s)"
}

# The targets run two at a time, one per core.
test_fuzzers() {
  step "fuzz: configure" cmake --preset fuzz || return 1
  step "fuzz: build" cmake --build --preset fuzz || return 1
  local names=()
  mapfile -t names < <(fuzz_target_names)
  local first
  for ((first = 0; first < ${#names[@]}; first += 2)); do
    local batch=("${names[@]:first:2}") pids=() name begin=$SECONDS
    for name in "${batch[@]}"; do
      echo "==> fuzz: $name (${FUZZ_SECONDS} s)"
      if [[ -x "$ROOT/build/fuzz/tests/fuzz/$name" ]]; then
        fuzz_target "$name" -max_total_time="$FUZZ_SECONDS" &
        pids+=($!)
      else
        pids+=("")
      fi
    done
    local i status
    for i in "${!batch[@]}"; do
      if [[ -z "${pids[i]}" ]]; then
        fail "fuzz: ${batch[i]} was not built"
        continue
      fi
      wait "${pids[i]}"
      status=$?
      judge_fuzz_target "${batch[i]}" "$status" $((SECONDS - begin))
    done
  done
}

print_summary() {
  echo
  echo "==== Summary ($((SECONDS - started)) s) ===="
  printf '%s\n' "${summary[@]}"
  echo "$passed passed, $failed failed"
}

if step "install missing packages" bash "$ROOT/scripts/install-deps.sh"; then
  test_preset native
  if step "wine prefix" prepare_wine_prefix; then
    test_preset windows run_windows_ctest
  fi
  test_fuzzers
fi

print_summary
((failed == 0))
