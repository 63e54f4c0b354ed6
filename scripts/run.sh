#!/usr/bin/env bash
# Builds the program folders and starts the converter of the 64-bit one (build/win64/dist)
# under 64-bit Wine on the current display: that runs on any machine, including those that
# cannot execute 32-bit code. Arguments are passed to the converter (input files and folders).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/setup.sh"
bash "$here/scripts/build.sh"
export WINEARCH=win64
source "$here/scripts/wine-loader.sh"
export WINEPREFIX=${WINEPREFIX:-$here/build/wineprefix-win64}
export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
[ -d "$WINEPREFIX" ] || "$WINE" wineboot -i
cd "$here/build/win64/dist"
exec "$WINE" ./Tessark.exe "$@"
