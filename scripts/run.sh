#!/usr/bin/env bash
# Builds Quorvane.exe and starts it under Wine, on this display or on a private Xvfb when there is
# none. Its Wine prefix (~/.local/share/quorvane-wine unless WINEPREFIX says otherwise) keeps the
# data file and settings between runs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" windows Quorvane

template="${XDG_CACHE_HOME:-$HOME/.cache}/quorvane-wine/template"
# shellcheck source=wine-common.sh
. "$root/scripts/wine-common.sh"
prefix=${WINEPREFIX:-$HOME/.local/share/quorvane-wine}
if [ ! -e "$prefix/system.reg" ]; then
  ensure_template
  mkdir -p "$prefix"
  cp -a "$template/." "$prefix/"
fi
if [ -z "${DISPLAY:-}" ]; then
  start_xvfb
  trap stop_xvfb EXIT
  echo "No display: Quorvane runs on Xvfb $DISPLAY (see it with: DISPLAY=$DISPLAY import -window root shot.png)"
fi
status=0
wine_env "$prefix" wine "$root/build/windows/Quorvane.exe" || status=$?
wine_env "$prefix" wineserver -w || true
exit $status
