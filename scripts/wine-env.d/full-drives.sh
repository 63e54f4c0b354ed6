#!/usr/bin/env bash
# Drives that fill up: Q: of the prefix is a memory card (removable, like P:) and R: a fixed
# disk, each a tmpfs of 1 MiB, so a copy onto them really runs out of space part way.
# wine-env.sh stop unmounts them. Mounting needs root, as the tests run here and in CI; where
# it is refused the drives are plain folders, and the tests that fill them say so.
set -euo pipefail
for letter in q r; do
  drive="$WINE_TEST_ROOT/full-drive-$letter"
  mountpoint -q "$drive" 2>/dev/null && umount "$drive"
  rm -rf "$drive"
  mkdir -p "$drive"
  mount -t tmpfs -o size=1m,mode=0755 "full-drive-$letter" "$drive" ||
    echo "full-drives.sh: could not mount a tmpfs on $drive" >&2
  ln -sfn "$drive" "$WINEPREFIX/dosdevices/$letter:"
done
printf 'PSP\n' >"$WINE_TEST_ROOT/full-drive-q/.windows-label"
"$WINE" reg add 'HKLM\Software\Wine\Drives' /v q: /t REG_SZ /d floppy /f >/dev/null
"$WINE" reg add 'HKLM\Software\Wine\Drives' /v r: /t REG_SZ /d hd /f >/dev/null
wineserver -w
