#!/usr/bin/env bash
# A program that crashes in a test prints its backtrace and ends, instead of waiting for
# someone to close the crash dialog until the test's time limit.
set -euo pipefail
"$WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null
wineserver -w
