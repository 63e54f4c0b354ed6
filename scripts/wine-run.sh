#!/usr/bin/env bash
# Runs a Windows program in the test prefix on the test X server; exits with its exit code.
set -euo pipefail
root=${WINE_TEST_ROOT:?WINE_TEST_ROOT names the folder of the test prefix}
export WINEPREFIX="$root/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
source "$(dirname "$0")/wine-loader.sh"
# No display: the prefix was never started (scripts/wine-env.sh start).
DISPLAY=$(cat "$root/display")
export DISPLAY
# The program writes to a file that is shown as it grows. The Wine server and desktop that
# a program starts inherit its output and outlive it: on a pipe of the caller's they would
# keep the caller waiting until the last program of the run had ended.
mkdir -p "$root/output"
output=$(mktemp "$root/output/XXXXXX")
"$WINE" "$@" >"$output" 2>&1 &
program=$!
tail -n +1 -f --pid=$program "$output"
code=0
wait $program || code=$?
rm -f "$output"
exit $code
