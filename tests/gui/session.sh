# Session helpers for the Wine GUI tests; source this file, then call
#   gui_env ROOT          set the Wine variables for a prefix under ROOT
#   gui_prefix            create the prefix once (reused while its stamp exists)
#   session_start LOGDIR  one Xvfb and one wineserver for this run
#   session_stop          stop both, by their ids (install it as the EXIT trap)
#   gui_wine EXE ARGS...  run a Windows program (stdio goes where the caller sends it: files, never pipes)
#
# Only the processes started here are ever stopped: Xvfb by its pid, and the wineserver of our own prefix.

gui_arch_detect() {
    # Some hosts run no 32-bit user code at all (i386 execve gives ENOEXEC); there Wine can only start
    # 64-bit programs, so the program and the drivers are built for x86_64 instead.
    if [ -n "${TOLVARIN_GUI_ARCH:-}" ]; then
        echo "$TOLVARIN_GUI_ARCH"
    elif [ -x /usr/lib/wine/wine ] && command -v i686-w64-mingw32-g++ >/dev/null &&
        /usr/lib/wine/wine --version >/dev/null 2>&1; then
        echo i686
    else
        echo x86_64
    fi
}

gui_env() {
    local root=$1
    GUI_ARCH=$(gui_arch_detect)
    export WINEPREFIX="$root/wineprefix-$GUI_ARCH"
    export WINEDLLOVERRIDES="mscoree,mshtml="
    export WINEDEBUG="${WINEDEBUG:--all}"
    export LC_ALL=ja_JP.UTF-8
    if [ "$GUI_ARCH" = i686 ]; then
        export WINEARCH=win32 WINELOADER=/usr/lib/wine/wine WINESERVER=/usr/lib/wine/wineserver32
    else
        export WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver64
    fi
    [ -x "$WINESERVER" ] || WINESERVER=/usr/lib/wine/wineserver64
}

gui_wine() {
    "$WINELOADER" "$@"
}

# The dialogs name the Japanese system faces. Wine has none of them and would fall back on a face
# with a taller line (Noto Sans CJK: 17 pixels for 9 points, against 12), which makes every dialog
# unit taller than the layout was made for. The Ume faces have the same cell as the faces they
# stand in for (12 pixels high, 7 wide on average for 9 points), so dialogs keep their proportions.
gui_font_replacements() {
    local face
    for face in "MS UI Gothic=Ume UI Gothic" "ＭＳ Ｐゴシック=Ume P Gothic" "ＭＳ ゴシック=Ume Gothic" \
        "MS PGothic=Ume P Gothic" "MS Gothic=Ume Gothic"; do
        gui_wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "${face%%=*}" /t REG_SZ /d "${face#*=}" /f ||
            return 1
    done
}

gui_prefix() {
    local stamp="$WINEPREFIX/.tolvarin-ready-2"  # -2: with the font replacements
    [ -f "$stamp" ] && return 0
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    "$WINESERVER" -p >/dev/null 2>&1 </dev/null
    gui_wine wineboot -i >"$WINEPREFIX.boot.log" 2>&1 </dev/null || return 1
    # No window manager runs under Xvfb: unmanaged windows avoid a 2 s stall per hidden window.
    gui_wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >>"$WINEPREFIX.boot.log" 2>&1 </dev/null || return 1
    # A crash prints its backtrace and ends instead of waiting in a dialog forever.
    gui_wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >>"$WINEPREFIX.boot.log" 2>&1 </dev/null || return 1
    # Debian's Wine does not find its own fonts (Tahoma, Marlett) unless they are in the prefix.
    cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" || return 1
    gui_font_replacements >>"$WINEPREFIX.boot.log" 2>&1 </dev/null || return 1
    "$WINESERVER" -k >/dev/null 2>&1
    "$WINESERVER" -w >/dev/null 2>&1
    touch "$stamp"
}

session_start() {
    local logs=$1 fifo disp
    mkdir -p "$logs"
    fifo=$(mktemp -u "$logs/xvfb-fifo.XXXXXX")
    mkfifo "$fifo"
    # -displayfd: Xvfb picks a free display and writes its number once it accepts clients.
    Xvfb -screen 0 1280x1024x24 -nolisten tcp -displayfd 9 9>"$fifo" >"$logs/xvfb.log" 2>&1 </dev/null &
    XVFB_PID=$!
    if ! read -r -t 15 disp <"$fifo"; then
        rm -f "$fifo"
        echo "Xvfb did not start (see $logs/xvfb.log)" >&2
        return 1
    fi
    rm -f "$fifo"
    export DISPLAY=":$disp"
    # Foreground server, so that $! is the server itself; persistent until session_stop.
    "$WINESERVER" -f -p >"$logs/wineserver.log" 2>&1 </dev/null &
    WS_PID=$!
    # Boot the services with stdio on /dev/null: they inherit the first wine process's descriptors.
    gui_wine wineboot >/dev/null 2>&1 </dev/null
}

session_stop() {
    if [ -n "${WS_PID:-}" ]; then
        "$WINESERVER" -k >/dev/null 2>&1
        wait "$WS_PID" 2>/dev/null
        WS_PID=
    fi
    if [ -n "${XVFB_PID:-}" ]; then
        kill "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
        XVFB_PID=
    fi
}
