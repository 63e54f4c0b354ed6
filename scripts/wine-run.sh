#!/usr/bin/env bash
# Runs a Windows program in the test prefix on the test X server; exits with its exit code.
set -euo pipefail
root=${WINE_TEST_ROOT:?WINE_TEST_ROOT names the folder of the test prefix}
export WINEPREFIX="$root/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win32
export DISPLAY=$(cat "$root/display")
exec wine "$@"
