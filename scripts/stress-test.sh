#!/usr/bin/env bash
# Runs the Wine tests of build/win64 (made by scripts/build.sh) N times while busy processes
# keep every core loaded, and prints each run's result, time and failing tests.
#   scripts/stress-test.sh N [ctest arguments, e.g. -R converter_profiles_tests]
#   STRESS_LOAD=0 scripts/stress-test.sh 1    the same on a machine left quiet
# Exits with 1 when any run failed. Not part of CI: it takes N full Wine runs.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:?usage: stress-test.sh N [ctest arguments]}
shift
load=${STRESS_LOAD:-$(nproc)}
tree="$here/build/win64"
logs="$here/build/stress"
[ -f "$tree/CTestTestfile.cmake" ] || { echo "no $tree: run scripts/build.sh first" >&2; exit 2; }
mkdir -p "$logs"

busy=()
stop_load() {
  for pid in "${busy[@]}"; do kill "$pid" 2>/dev/null || true; done
}
trap stop_load EXIT
for _ in $(seq "$load"); do
  (while :; do :; done) &
  busy+=($!)
done
echo "$runs runs, $load busy processes beside them; logs in $logs"

failed_runs=0
for run in $(seq "$runs"); do
  log="$logs/run-$run.log"
  start=$(date +%s)
  code=0
  (cd "$tree" && ctest --output-on-failure "$@") >"$log" 2>&1 || code=$?
  seconds=$(($(date +%s) - start))
  if [ "$code" -eq 0 ]; then
    echo "run $run: passed in ${seconds}s"
  else
    failed_runs=$((failed_runs + 1))
    echo "run $run: FAILED in ${seconds}s"
    # The suites CTest names, then the test cases inside them that failed.
    sed -n '/The following tests FAILED:/,$p' "$log" | grep -E '^\s+[0-9]+ - ' || true
    grep -E '^\[  FAILED  \] [A-Za-z_]+\.[A-Za-z_]+' "$log" | sort -u || true
  fi
done
echo "$((runs - failed_runs)) of $runs runs passed"
[ "$failed_runs" -eq 0 ]
