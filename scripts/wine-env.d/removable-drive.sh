#!/usr/bin/env bash
# The console for the tests: drive P: of the prefix is the empty folder psp-drive/ under
# $WINE_TEST_ROOT, removable as a memory card in a reader would be. Wine's drive type for
# that is "floppy": on a letter past B it makes a removable disk, not a diskette drive. Its
# label, "PSP", is what the drive's ".windows-label" file says.
set -euo pipefail
drive="$WINE_TEST_ROOT/psp-drive"
rm -rf "$drive"
mkdir -p "$drive"
printf 'PSP\n' >"$drive/.windows-label"
ln -sfn "$drive" "$WINEPREFIX/dosdevices/p:"
"$WINE" reg add 'HKLM\Software\Wine\Drives' /v p: /t REG_SZ /d floppy /f >/dev/null
wineserver -w
