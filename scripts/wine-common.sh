#!/bin/bash
# Shared by the wine-*.sh scripts (sourced, not run): a private Xvfb, a booted template prefix
# cached on disk, fresh prefixes copied from it, and Wine calls that always name their prefix.
# The sourcing script sets $template and may define log().

command -v log >/dev/null 2>&1 || log() { echo "wine: $*" >&2; }

# Every Wine call gets the whole environment on its own command line: a call without WINEPREFIX
# would quietly create ~/.wine. C.UTF-8 is there on every Debian (en_US.UTF-8 only where the
# locales package made it); without a UTF-8 locale Wine cannot name a file beyond ASCII.
wine_env() {
    local prefix="$1"
    shift
    env WINEPREFIX="$prefix" WINEARCH=win64 WINEDEBUG=-all HOME="$prefix/home" \
        LANG=C.UTF-8 LC_ALL=C.UTF-8 \
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

# The desktop's DPI of a prefix, read by each program at its start: Wine takes it from the user's
# and the current hardware profile's LogPixels.
set_prefix_dpi() {
    local prefix="$1" dpi="$2" key
    for key in 'HKCU\Control Panel\Desktop' 'HKCC\Software\Fonts'; do
        wine_env "$prefix" timeout 60 wine reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" \
            /f >/dev/null 2>&1 || return 1
    done
}

# A fresh prefix copied from the template (booting it first when needed); its path in $prefix.
new_prefix() {
    ensure_template || { log "no Wine prefix template"; return 1; }
    prefix=$(mktemp -d "${TMPDIR:-/tmp}/qv-wine.XXXXXX") || return 1
    cp -a "$template/." "$prefix/" || { log "copying the template failed"; return 1; }
}
