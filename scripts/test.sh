#!/usr/bin/env bash
# Runs every test: set-up, the three builds, then CTest over the native tests and the tests of
# the 64-bit tree under 64-bit Wine, which run on any machine. Where the machine runs 32-bit
# code, the shipped 32-bit folder's end-to-end check runs first under 32-bit Wine.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/setup.sh"
bash "$here/scripts/build.sh"
cd "$here/build"

shipped=0
if why=$(bash "$here/scripts/runs-32bit.sh"); then
  echo "32-bit check: the shipped folder build/win32/dist under 32-bit Wine"
  ctest --test-dir win32 --output-on-failure -L shipped_check || shipped=$?
else
  echo "32-bit check skipped: $why"
fi

printf 'subdirs("native" "win64")\n' >CTestTestfile.cmake
code=0
ctest --output-on-failure -j"$(nproc)" "$@" || code=$?
# What the short repaint benchmark measured (CTest shows a passing test's output only here).
grep -h "repaints, " Testing/Temporary/LastTest.log || true
if [ "$shipped" -ne 0 ]; then
  echo "32-bit check FAILED: see its CTest output above"
fi
[ "$code" -eq 0 ] && [ "$shipped" -eq 0 ]
