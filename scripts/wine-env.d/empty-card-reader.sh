#!/usr/bin/env bash
# A card reader without a card: drive N: of the prefix is removable ("floppy") and leads to a
# folder that does not exist, so it keeps its letter while asking its size fails.
set -euo pipefail
ln -sfn "$WINE_TEST_ROOT/no-card-in-reader" "$WINEPREFIX/dosdevices/n:"
"$WINE" reg add 'HKLM\Software\Wine\Drives' /v n: /t REG_SZ /d floppy /f >/dev/null
wineserver -w
