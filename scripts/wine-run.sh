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

log() { echo "wine-run: $*" >&2; }

# Every Wine call gets the whole environment on its own command line: a call without WINEPREFIX
# would quietly create ~/.wine.
wine_env() {
    local prefix="$1"
    shift
    env WINEPREFIX="$prefix" WINEARCH=win64 WINEDEBUG=-all HOME="$prefix/home" \
        LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 \
        WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d" "$@"
}

xvfb_pid=""
display=""
start_xvfb() {
    local fdfile
    fdfile=$(mktemp)
    # -displayfd lets the server pick a free display itself, so parallel runs never collide.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -br 3>"$fdfile" >/dev/null 2>&1 &
    xvfb_pid=$!
    local i
    for i in $(seq 1 100); do
        if [ -s "$fdfile" ]; then
            display=":$(head -n1 "$fdfile")"
            rm -f "$fdfile"
            export DISPLAY="$display"
            return 0
        fi
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    rm -f "$fdfile"
    log "Xvfb did not start"
    return 1
}

stop_xvfb() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
        xvfb_pid=""
    fi
}

stop_wine() {
    local prefix="$1"
    wine_env "$prefix" wineserver -k >/dev/null 2>&1
    wine_env "$prefix" timeout 20 wineserver -w >/dev/null 2>&1
}

# Boots a prefix once and keeps it as the template that every run copies.
make_template() {
    local parent tmp
    parent=$(dirname "$template")
    mkdir -p "$parent" || return 1
    tmp=$(mktemp -d "$parent/template.XXXXXX") || return 1
    mkdir -p "$tmp/home"
    log "booting a new Wine prefix template in $template (once)"
    if ! wine_env "$tmp" timeout 180 wineboot --init >/dev/null 2>&1 ||
        ! wine_env "$tmp" timeout 60 wineserver -w >/dev/null 2>&1; then
        log "wineboot failed"
        stop_wine "$tmp"
        rm -rf "$tmp"
        return 1
    fi
    # Without a window manager Wine must draw the captions itself, or every close waits for one.
    wine_env "$tmp" timeout 60 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ \
        /d N /f >/dev/null 2>&1
    stop_wine "$tmp"
    # The user folders are links into the real home: make them real folders of the prefix.
    local link
    for link in "$tmp"/drive_c/users/*/*; do
        if [ -L "$link" ]; then
            rm -f "$link" && mkdir -p "$link"
        fi
    done
    # This Wine does not read the fonts of its own data folder (Marlett, Tahoma, MS Sans Serif):
    # the prefix's font folder, which it does read, gets copies.
    local fonts
    for fonts in /usr/share/wine/fonts /usr/lib/wine/fonts; do
        [ -d "$fonts" ] && cp -n "$fonts"/* "$tmp/drive_c/windows/Fonts/" 2>/dev/null
    done
    rm -rf "$tmp/home" && mkdir -p "$tmp/home"
    echo "$template_version" >"$tmp/.qv-template"
    rm -rf "$template"
    mv "$tmp" "$template"
}

# Bumped whenever make_template changes, so that an older cached template is rebuilt.
template_version=2
template_ok() { [ "$(cat "$template/.qv-template" 2>/dev/null)" = "$template_version" ]; }

ensure_template() {
    template_ok && return 0
    mkdir -p "$(dirname "$template")" || return 1
    (
        # One run boots the template; parallel runs wait for it.
        flock -w 300 9 || exit 1
        template_ok || make_template
    ) 9>"$(dirname "$template")/.template.lock"
}

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
ensure_template || { log "no Wine prefix template"; exit 1; }

prefix=$(mktemp -d "${TMPDIR:-/tmp}/qv-wine.XXXXXX") || exit 1
cp -a "$template/." "$prefix/" || { log "copying the template failed"; exit 1; }

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
