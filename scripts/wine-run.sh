#!/bin/bash
# Runs one Windows program under Wine inside its own Xvfb and a fresh Wine prefix, then tears both
# down. Used by ctest as the cross-compiling emulator of the Win32 and end-to-end test programs.
#
#   wine-run.sh [--template DIR] [--timeout SECONDS] [--] PROGRAM.exe [ARGS...]
#
# --template  where the booted template prefix is kept (default $XDG_CACHE_HOME/quorvane-wine/template)
# --timeout   hard limit for the program (default 300 s); the run fails when it is reached
#
# Environment:
#   QV_WINE_KEEP=1          keep the prefix after the run and print its path
#   QV_WINE_SCREENSHOT=DIR  on failure save a screenshot of the screen into DIR and print its path
#   QV_WINE_ARTIFACTS=DIR   passed on to the program (as a Windows path) for files it saves itself
#   QV_WINE_DPI=N           the desktop's DPI in the prefix (LogPixels), e.g. 144 or 192
#
# Fails (exit code 1 or the program's own) when the program exits non-zero, prints "Unhandled" on
# stderr (a crash) or times out.
set -u

template=""
limit=300
while [ $# -gt 0 ]; do
    case "$1" in
    --template) template="$2"; shift 2 ;;
    --timeout) limit="$2"; shift 2 ;;
    --) shift; break ;;
    *) break ;;
    esac
done
if [ $# -lt 1 ]; then
    echo "usage: $0 [--template DIR] [--timeout SECONDS] [--] PROGRAM [ARGS...]" >&2
    exit 2
fi
program="$1"
shift
[ -n "$template" ] || template="${XDG_CACHE_HOME:-$HOME/.cache}/quorvane-wine/template"
# Wine takes only an absolute prefix path, and prefixes are made beside the template.
template=$(realpath -m "$template")

log() { echo "wine-run: $*" >&2; }
# shellcheck source=wine-common.sh
. "$(dirname "$0")/wine-common.sh"

prefix=""
cleanup() {
    if [ -n "$prefix" ]; then
        stop_wine "$prefix"
        if [ "${QV_WINE_KEEP:-0}" = 1 ]; then
            log "prefix kept: $prefix"
        else
            rm -rf "$prefix"
        fi
    fi
    stop_xvfb
}
trap cleanup EXIT
trap 'exit 130' INT TERM

start_xvfb || exit 1
new_prefix || exit 1
if [ -n "${QV_WINE_DPI:-}" ]; then
    set_prefix_dpi "$prefix" "$QV_WINE_DPI" || { log "setting the DPI failed"; exit 1; }
fi

artifacts_env=()
if [ -n "${QV_WINE_ARTIFACTS:-}" ]; then
    mkdir -p "$QV_WINE_ARTIFACTS"
    artifacts_env=(QV_ARTIFACTS="Z:$(realpath "$QV_WINE_ARTIFACTS" | tr / '\\')")
fi

errfile="$prefix/stderr.txt"
shoot() {
    [ -n "${QV_WINE_SCREENSHOT:-}" ] || return 0
    mkdir -p "$QV_WINE_SCREENSHOT"
    local shot
    shot="$QV_WINE_SCREENSHOT/$(basename "$program" .exe)-$(date +%Y%m%d-%H%M%S).png"
    import -display "$display" -window root "$shot" 2>/dev/null && log "screenshot: $shot"
}

start_ms=$(date +%s%3N)
deadline=$((start_ms + limit * 1000))
# The program's stderr goes to the console as it comes and into a file for the crash check.
wine_env "$prefix" "${artifacts_env[@]}" wine "$program" "$@" 2> >(tee "$errfile" >&2) &
pid=$!
timed_out=0
while kill -0 "$pid" 2>/dev/null; do
    if [ "$(date +%s%3N)" -ge "$deadline" ]; then
        timed_out=1
        # Photograph the hung windows before they go.
        shoot
        stop_wine "$prefix"
        kill "$pid" 2>/dev/null
        break
    fi
    sleep 0.1
done
wait "$pid"
rc=$?
elapsed_ms=$(($(date +%s%3N) - start_ms))

failed=0
if [ $timed_out = 1 ]; then
    log "timed out after ${limit}s: $program"
    failed=1
    rc=124
elif [ $rc -ne 0 ]; then
    log "exit code $rc: $program"
    failed=1
fi
if grep -q "Unhandled" "$errfile" 2>/dev/null; then
    log "crash reported on stderr: $program"
    failed=1
    [ $rc -eq 0 ] && rc=1
fi
[ $failed = 1 ] && [ $timed_out = 0 ] && shoot
log "ran $(basename "$program") in $((elapsed_ms / 1000)).$(printf %03d $((elapsed_ms % 1000)))s (exit $rc)"
exit $rc
