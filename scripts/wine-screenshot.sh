#!/bin/bash
# Photographs a Windows program under Wine: starts it in a fresh prefix on a private Xvfb, waits,
# saves the screen cropped to the windows on it (the empty screen is black), and ends the program.
#
#   wine-screenshot.sh [--template DIR] [--wait SECONDS] PROGRAM.exe OUTPUT.png
set -u

template=""
wait_seconds=4
while [ $# -gt 0 ]; do
    case "$1" in
    --template) template="$2"; shift 2 ;;
    --wait) wait_seconds="$2"; shift 2 ;;
    *) break ;;
    esac
done
if [ $# -ne 2 ]; then
    echo "usage: $0 [--template DIR] [--wait SECONDS] PROGRAM.exe OUTPUT.png" >&2
    exit 2
fi
program="$1"
output="$2"
[ -n "$template" ] || template="${XDG_CACHE_HOME:-$HOME/.cache}/quorvane-wine/template"

log() { echo "wine-screenshot: $*" >&2; }
# shellcheck source=wine-common.sh
. "$(dirname "$0")/wine-common.sh"

prefix=""
cleanup() {
    # The prefix goes even when stopping Wine fails.
    if [ -n "$prefix" ]; then
        stop_wine "$prefix" || log "stopping Wine failed"
        rm -rf "$prefix"
    fi
    stop_xvfb
}
trap cleanup EXIT
trap 'exit 130' INT TERM

start_xvfb || exit 1
new_prefix || exit 1
wine_env "$prefix" wine "$program" >/dev/null 2>&1 &
sleep "$wait_seconds"
raw="$prefix/screen.png"
import -display "$display" -window root "$raw" || { log "import failed"; exit 1; }
mkdir -p "$(dirname "$output")"
convert "$raw" -trim +repage "$output" || exit 1
log "saved $output ($(identify -format '%wx%h' "$output"))"
