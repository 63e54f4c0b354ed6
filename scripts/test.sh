#!/usr/bin/env bash
# Runs every test: set-up, both builds, then CTest over the native and the Wine tests.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/setup.sh"
bash "$here/scripts/build.sh"
cd "$here/build"
printf 'subdirs("native" "win32")\n' >CTestTestfile.cmake
ctest --output-on-failure -j"$(nproc)" "$@"
