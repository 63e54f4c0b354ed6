#!/usr/bin/env bash
# Configures and builds the native tree (core tests) and the cross tree (programs, Wine tests).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$here" -B "$here/build/native" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$here/build/native" -j"$(nproc)"
cmake -S "$here" -B "$here/build/win32" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-i686.cmake" >/dev/null
cmake --build "$here/build/win32" -j"$(nproc)"
