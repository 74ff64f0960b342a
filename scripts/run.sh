#!/usr/bin/env bash
# Installs what is missing, builds FizzmoLite and runs it under Wine on a virtual screen beside
# the stand-in messenger, so you can click the launcher and watch the code arrive.
# Watch it with a VNC viewer (x11vnc is started on port 5900 when installed), or take
# screenshots: DISPLAY=:77 import -window root shot.png
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
install_packages
build_windows

DISPLAY_NUMBER="${FIZZMO_DISPLAY:-77}"
export DISPLAY=":$DISPLAY_NUMBER" WINEPREFIX="$BUILD/wineprefix-run" WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
BIN="$BUILD/x86_64/bin"
WINE=/usr/lib/wine/wine64
pids=()
cleanup() { kill "${pids[@]}" 2>/dev/null || true; wineserver -k 2>/dev/null || true; }
trap cleanup EXIT

if ! xdpyinfo >/dev/null 2>&1; then
    Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    pids+=($!)
    sleep 1
fi
[ -f "$WINEPREFIX/system.reg" ] || "$WINE" wineboot -i >/dev/null 2>&1
"$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
command -v x11vnc >/dev/null && { x11vnc -display "$DISPLAY" -forever -nopw -quiet >/dev/null 2>&1 & pids+=($!); }

LOG="$BUILD/run-messenger.log"
"$WINE" "$BIN/im_standin.exe" --log "$(winepath -w "$LOG" 2>/dev/null || echo "Z:${LOG//\//\\}")" \
    --window 200,150,560,420 &
pids+=($!)
echo "== FizzmoLite is running on display $DISPLAY beside the stand-in messenger."
echo "   Click the launcher (the small dark-red square), pick a picture, and the code appears"
echo "   in the messenger's input box; its log is $LOG. Ctrl+C ends the run."
"$WINE" "$BIN/FizzmoLite.exe"
