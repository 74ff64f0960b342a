#!/usr/bin/env bash
# Installs what is missing, builds FizzmoLite and runs it under Wine beside the stand-in
# messenger, so you can click the launcher and watch the code arrive.
#
# At a Linux desktop (DISPLAY names a display that answers) both open there. Otherwise they open
# on a virtual screen (display :77, or :$FIZZMO_DISPLAY): watch it with a VNC viewer on port 5900
# (x11vnc is started when installed) or take screenshots: DISPLAY=:77 import -window root shot.png
#
# The 32-bit program runs where this kernel runs 32-bit code, else the 64-bit one. Ctrl+C, or
# Exit in the launcher's menu, ends everything this script started.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
echo "== scripts/run.sh: installs what is missing, builds FizzmoLite for Windows and runs it under"
echo "   Wine beside a stand-in messenger"
install_packages
ARCH=x86_64
if why_not="$(kernel_runs_i386)"; then
    install_wine32
    ARCH=i686
    echo "== the 32-bit program (i686) will run: this kernel runs 32-bit code"
else
    echo "== the 64-bit program (x86_64) will run: $why_not"
fi
echo "== building the $ARCH programs and zip in $BUILD/$ARCH (a few minutes the first time)"
build_windows_in "$BUILD/$ARCH" "$ARCH"

export WINEPREFIX="$BUILD/wineprefix-run" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
BIN="$BUILD/$ARCH/bin"
find_wine

pids=()
cleanup() {
    trap - EXIT INT TERM
    # The wineserver ends every Wine program of the prefix: the program, the stand-in and
    # Wine's own services.
    "$WINESERVER" -k 2>/dev/null || true
    timeout 20 "$WINESERVER" -w 2>/dev/null || true
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    WHERE="your display $DISPLAY"
    MANAGED=Y # your window manager handles the windows as it does any other's
else
    export DISPLAY=":${FIZZMO_DISPLAY:-77}"
    WHERE="the virtual screen $DISPLAY"
    MANAGED=N # no window manager there: windows come and go at once
    if ! xdpyinfo >/dev/null 2>&1; then
        Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        pids+=($!)
        for _ in $(seq 50); do
            xdpyinfo >/dev/null 2>&1 && break
            sleep 0.1
        done
    fi
    if command -v x11vnc >/dev/null; then
        x11vnc -display "$DISPLAY" -forever -nopw -quiet >/dev/null 2>&1 &
        pids+=($!)
        WHERE="$WHERE (VNC on port 5900)"
    fi
fi

remake_prefix_without_wow64 "$WINEPREFIX"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "== making the Wine prefix $WINEPREFIX (a minute or so, once)"
    "$WINE" wineboot -i >/dev/null 2>&1
fi
"$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$MANAGED" /f >/dev/null 2>&1

LOG="$BUILD/run-messenger.log"
"$WINE" "$BIN/im_standin.exe" --log "Z:${LOG//\//\\}" --window 200,150,560,420 &
pids+=($!)
echo "== FizzmoLite ($ARCH) is running on $WHERE beside the stand-in messenger."
echo "   Click the launcher (the small dark-red square), pick a picture, and the code appears"
echo "   in the messenger's input box; its log is $LOG. Ctrl+C ends the run."
# In the background, so that Ctrl+C reaches the trap at once.
"$WINE" "$BIN/FizzmoLite.exe" &
app=$!
pids+=($app)
wait "$app" || true
