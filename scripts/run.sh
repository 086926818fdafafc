#!/usr/bin/env bash
# Builds Quorvane.exe and starts it under Wine (on this display, or on a private Xvfb when there is
# none). Its Wine prefix lives in ~/.local/share/quorvane-wine unless WINEPREFIX says otherwise.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" windows Quorvane
export WINEPREFIX=${WINEPREFIX:-$HOME/.local/share/quorvane-wine}
export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
mkdir -p "$WINEPREFIX"
if [ -z "${DISPLAY:-}" ]; then
  display=:$((90 + RANDOM % 9))
  Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp &
  xvfb=$!
  trap 'kill $xvfb 2>/dev/null' EXIT
  export DISPLAY=$display
  echo "No display: Quorvane runs on Xvfb $DISPLAY (see it with: DISPLAY=$DISPLAY import -window root shot.png)"
  sleep 1
fi
exec_status=0
wine "$root/build/windows/platform/Quorvane.exe" || exec_status=$?
wineserver -w || true
exit $exec_status
