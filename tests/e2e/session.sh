#!/usr/bin/env bash
# Runs one end-to-end test program in a Wine session of its own: a private Xvfb display, the
# Wine prefix $FIZZMO_WINEPREFIX (made when it has none) and a persistent wineserver for it, all
# ended when the program ends. Usage: session.sh PROGRAM [ARGUMENTS...]
set -euo pipefail
export WINEPREFIX="${FIZZMO_WINEPREFIX:?the Wine prefix}" WINEDEBUG="${FIZZMO_WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib.sh"
find_wine
logs="${FIZZMO_E2E_ARTIFACTS:?where the logs go}"
mkdir -p "$logs" "$WINEPREFIX"
number="$(mktemp)"

# Xvfb takes the first free display itself and tells its number.
# FIZZMO_E2E_SCREEN (WIDTHxHEIGHT) sizes the screen; FIZZMO_E2E_WORKAREA (x,y,w,h) keeps the
# rest of it for a panel, as a desktop's taskbar does.
Xvfb -displayfd 3 -screen 0 "${FIZZMO_E2E_SCREEN:-1280x1024}x24" -nolisten tcp -noreset 3>"$number" \
    >"$logs/xvfb.log" 2>&1 &
xvfb=$!
cleanup() {
    "$WINESERVER" -k 2>/dev/null || true # and so every Wine program of the prefix
    timeout 15 "$WINESERVER" -w 2>/dev/null || true
    kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
    rm -f "$number"
}
trap cleanup EXIT
for _ in $(seq 100); do [ -s "$number" ] && break; sleep 0.1; done
[ -s "$number" ] || { echo "Xvfb did not start; see $logs/xvfb.log"; exit 1; }
export DISPLAY=":$(head -1 "$number")"
# Wine's desktop reads the work area from the root window when it starts.
if [ -n "${FIZZMO_E2E_WORKAREA:-}" ]; then
    xprop -root -format _NET_WORKAREA 32c -set _NET_WORKAREA "$FIZZMO_E2E_WORKAREA"
fi

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    timeout 300 "$WINE" wineboot -i >"$logs/wineboot.log" 2>&1 ||
        { echo "wineboot could not make $WINEPREFIX; see $logs/wineboot.log"; exit 1; }
fi
# Without the 32-bit Wine, wine64 may end an i686 program at once with status 0.
if [ "${FIZZMO_E2E_TARGET:-}" = i686 ]; then
    [ -x /usr/lib/wine/wine ] || { echo "the i686 programs need wine32:i386"; exit 1; }
    [ -f "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll" ] ||
        { echo "$WINEPREFIX was made without the 32-bit Wine: remove it"; exit 1; }
fi
# A wineserver left by an earlier run goes; a persistent one of ours spares every program the
# start of Wine's services.
"$WINESERVER" -k 2>/dev/null || true
timeout 60 "$WINESERVER" -w 2>/dev/null || true
"$WINESERVER" -p
status=0
"$@" || status=$?
exit "$status"
