#!/usr/bin/env bash
# The Wine side of a test run: one X server and one Wine prefix under $WINE_TEST_ROOT.
#   wine-env.sh start   start Xvfb and make the prefix (once per run)
#   wine-env.sh stop    end the Wine server and Xvfb
set -euo pipefail
root=${WINE_TEST_ROOT:?WINE_TEST_ROOT names the folder of the test prefix}
mkdir -p "$root"
export WINEPREFIX="$root/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
source "$(dirname "$0")/wine-loader.sh"

case "${1:-}" in
start)
  if [ -f "$root/xvfb.pid" ] && kill -0 "$(cat "$root/xvfb.pid")" 2>/dev/null; then
    echo "Xvfb already running on $(cat "$root/display")"
  else
    n=90
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >"$root/xvfb.log" 2>&1 &
    echo $! >"$root/xvfb.pid"
    echo ":$n" >"$root/display"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
  fi
  export DISPLAY=$(cat "$root/display")
  # A fresh prefix for every run, so that no test sees what an earlier run left.
  wineserver -k 2>/dev/null || true
  rm -rf "$WINEPREFIX"
  "$WINE" wineboot -i >"$root/wineboot.log" 2>&1
  wineserver -w
  for hook in "$(dirname "$0")"/wine-env.d/*.sh; do
    [ -e "$hook" ] && bash "$hook"
  done
  echo "Wine prefix ready in $WINEPREFIX, display $DISPLAY"
  ;;
stop)
  wineserver -k 2>/dev/null || true
  # The drives the hooks mounted under the root (drives that fill up) go with the run.
  awk -v root="$root/" 'index($2, root) == 1 { print $2 }' /proc/mounts | xargs -r -n1 umount || true
  if [ -f "$root/xvfb.pid" ]; then
    kill "$(cat "$root/xvfb.pid")" 2>/dev/null || true
    rm -f "$root/xvfb.pid"
  fi
  ;;
*)
  echo "usage: wine-env.sh start|stop" >&2
  exit 2
  ;;
esac
