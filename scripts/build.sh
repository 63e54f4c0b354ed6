#!/usr/bin/env bash
# Configures and builds the native tree (core tests) and the two cross trees: build/win32
# (i686, the program folder that ships for Windows) and build/win64 (x86_64, what the tests
# run under 64-bit Wine on any machine).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$here" -B "$here/build/native" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$here/build/native" -j"$(nproc)"
for tree in win32:i686 win64:x86_64; do
  cmake -S "$here" -B "$here/build/${tree%%:*}" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-${tree#*:}.cmake" >/dev/null
  cmake --build "$here/build/${tree%%:*}" -j"$(nproc)"
done
