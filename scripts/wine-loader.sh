# Sourced: picks the Wine loader for $WINEARCH (win64 by default) and exports it as $WINE.
# Debian's `wine` starts the 32-bit loader whenever it is installed, and that one cannot start
# 64-bit programs, so each architecture names its own. One `wineserver` serves both.
export WINEARCH=${WINEARCH:-win64}
case "$WINEARCH" in
win64) export WINE=/usr/lib/wine/wine64 ;;
win32) export WINE=/usr/lib/wine/wine ;;
*) echo "WINEARCH must be win32 or win64, not $WINEARCH" >&2; exit 2 ;;
esac
export WINELOADER=$WINE
