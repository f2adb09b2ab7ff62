#!/usr/bin/env bash
# A long fuzzing campaign: builds the fuzz preset, then runs each target in turn
# from its seeds and the corpus it has grown in build/fuzz, in the Japanese
# locale. Prints per target the executions, the time, the final coverage and
# whether a fault was found; exits non-zero when a target found one (or failed).
#
#   scripts/fuzz.sh [--seconds N | --runs N] [TARGET...]
#
# --seconds N  each target runs N seconds (default 1800)
# --runs N     each target runs N executions instead, however long they take
# TARGET       FuzzHolidayRules, FuzzIcsReader, FuzzScheduleLines, FuzzSettingsValues (default: all)
#
# scripts/test.sh sources this file for the functions below; only a run of its
# own does the campaign. Run it niced on a shared machine: nice -n 19 scripts/fuzz.sh
set -uo pipefail

FUZZ_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

fuzz_target_names() {  # one name a line, from the sources in tests/fuzz
  local source
  for source in "$FUZZ_ROOT"/tests/fuzz/*.cpp; do
    [[ -e "$source" ]] && basename "$source" .cpp
  done
}

fuzz_log() {  # NAME
  echo "$FUZZ_ROOT/build/fuzz/$1.log"
}

fuzz_target() {  # NAME LIMIT: runs one target from its seeds; LIMIT is -max_total_time=N or -runs=N.
  local name="$1" limit="$2"
  local corpus="$FUZZ_ROOT/build/fuzz/corpus/$name"
  local seeds="$FUZZ_ROOT/tests/fuzz/corpus/$name"
  local dictionary="$FUZZ_ROOT/tests/fuzz/$name.dict"
  local artifacts="$FUZZ_ROOT/build/fuzz/artifacts/$name"
  mkdir -p "$corpus" "$artifacts"
  # New inputs go to the build tree's corpus; the seeds in the source tree are only read.
  # A kilobyte holds some fifty lines, enough for every ordering and duplicate, and
  # keeps the executions fast as the inputs grow.
  local options=("$limit" -max_len=1024 -timeout=20 -rss_limit_mb=2048 -print_final_stats=1
                 -artifact_prefix="$artifacts/")
  [[ -f "$dictionary" ]] && options+=(-dict="$dictionary")
  local dirs=("$corpus")
  [[ -d "$seeds" ]] && dirs+=("$seeds")
  # A time-bounded run gets two minutes' grace for loading the corpus and stopping.
  local guard=()
  [[ "$limit" == -max_total_time=* ]] && guard=(timeout $((${limit#*=} + 120)))
  # The Japanese locale: text in code page 932 and date keys as yyyy/M/d.
  "${guard[@]}" env LC_ALL=ja_JP.UTF-8 "$FUZZ_ROOT/build/fuzz/tests/fuzz/$name" \
    "${options[@]}" "${dirs[@]}" >"$(fuzz_log "$name")" 2>&1 </dev/null
}

fuzz_stat() {  # NAME STAT: a figure of libFuzzer's final statistics
  grep -Eo "stat::$2: *[0-9]+" "$(fuzz_log "$1")" | grep -Eo '[0-9]+$'
}

fuzz_final_coverage() {  # NAME: "cov: N ft: N corp: N/size" of the last status line
  grep -E '^#[0-9]+' "$(fuzz_log "$1")" | tail -n 1 | grep -Eo 'cov: [0-9]+ ft: [0-9]+ corp: [0-9]+/[0-9a-zA-Z]+'
}

campaign_usage() {
  sed -n '2,15p' "${BASH_SOURCE[0]}" | sed 's/^# \{0,1\}//'
  exit 2
}

campaign() {
  local limit="-max_total_time=1800" names=()
  while (($#)); do
    case "$1" in
      --seconds) [[ "${2:-}" =~ ^[0-9]+$ ]] || campaign_usage; limit="-max_total_time=$2"; shift 2 ;;
      --runs) [[ "${2:-}" =~ ^[0-9]+$ ]] || campaign_usage; limit="-runs=$2"; shift 2 ;;
      -h | --help) campaign_usage ;;
      -*) campaign_usage ;;
      *) names+=("$1"); shift ;;
    esac
  done
  ((${#names[@]})) || mapfile -t names < <(fuzz_target_names)

  cd "$FUZZ_ROOT" || return 1
  cmake --preset fuzz >/dev/null && cmake --build --preset fuzz >/dev/null || {
    echo "fuzz: the build failed" >&2
    return 1
  }
  local name status begin seconds runs failures=0  # findings, and targets missing or stopped
  for name in "${names[@]}"; do
    if [[ ! -x "$FUZZ_ROOT/build/fuzz/tests/fuzz/$name" ]]; then
      echo "$name: no such target"
      failures=$((failures + 1))
      continue
    fi
    echo "==> $name ($limit)"
    begin=$SECONDS
    fuzz_target "$name" "$limit"
    status=$?
    seconds=$((SECONDS - begin))
    runs="$(fuzz_stat "$name" number_of_executed_units)"
    printf '%s: %s executions in %d s (%s exec/s), %s: ' "$name" "${runs:-?}" "$seconds" \
      "$(fuzz_stat "$name" average_exec_per_sec)" "$(fuzz_final_coverage "$name")"
    if ((status == 0)); then
      echo "no finding"
    elif ((status == 72)); then  # libFuzzer's exit after SIGINT, its statistics printed
      echo "interrupted, no finding"
      failures=$((failures + 1))
    else
      echo "FINDING (exit $status): see $(fuzz_log "$name") and build/fuzz/artifacts/$name"
      failures=$((failures + 1))
    fi
  done
  ((failures == 0))
}

if [[ "${BASH_SOURCE[0]}" == "$0" ]]; then
  campaign "$@"
fi
