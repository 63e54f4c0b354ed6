#!/usr/bin/env bash
# Without a window manager a maximised window is restored at its next frame change: Wine
# must not hand its windows to one.
set -euo pipefail
"$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
wineserver -w
