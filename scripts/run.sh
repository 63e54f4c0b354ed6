#!/usr/bin/env bash
# Builds the program folder and starts the converter in it under Wine on the current display.
# Arguments are passed to the converter (input files and folders).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/setup.sh"
bash "$here/scripts/build.sh"
export WINEPREFIX=${WINEPREFIX:-$here/build/wineprefix} WINEARCH=win32
export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
[ -d "$WINEPREFIX" ] || wineboot -i
cd "$here/build/win32/dist"
exec wine ./Tessark.exe "$@"
