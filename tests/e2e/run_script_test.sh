#!/usr/bin/env bash
# scripts/run.sh as a person uses it: at a desktop (DISPLAY answers) the program and the
# stand-in open there; without one, on a virtual screen of its own. Either way Ctrl+C, sent to
# its process group as a terminal does, leaves no process of the run behind.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
PREFIX="${FIZZMO_BUILD_DIR:?}/wineprefix-run"
OUT="$(mktemp -d)"
xvfb=""
trap '[ -z "$xvfb" ] || kill "$xvfb"; rm -rf "$OUT"' EXIT

free_display() {
    local n
    for n in $(seq 300 399); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || { echo "$n"; return; }
    done
}

# Runs run.sh with DISPLAY=$1 until both programs show on $2, then Ctrl+C; fails on anything
# left running.
run_and_interrupt() {
    local display="$2" run n
    # A command started with & in a script ignores Ctrl+C; one started from a terminal does not.
    DISPLAY="$1" FIZZMO_DISPLAY="${display#:}" setsid env --default-signal=INT,QUIT \
        "$ROOT/scripts/run.sh" >"$OUT/run.log" 2>&1 &
    run=$!
    for n in $(seq 300); do
        if DISPLAY="$display" xdotool search --onlyvisible --classname fizzmolite.exe >/dev/null 2>&1 &&
           DISPLAY="$display" xdotool search --onlyvisible --classname im_standin.exe >/dev/null 2>&1; then
            break
        fi
        [ "$n" -lt 300 ] || { cat "$OUT/run.log"; echo "FAIL: no windows on $display"; exit 1; }
        sleep 0.5
    done
    kill -INT -- "-$run"
    timeout 60 tail --pid="$run" -f /dev/null || { echo "FAIL: run.sh did not end"; exit 1; }
    sleep 1
    local left
    left="$(ps -o pid=,comm= -s "$run" || true)"
    left+="$(grep -lszx "WINEPREFIX=$PREFIX" /proc/[0-9]*/environ || true)"
    if [ -n "$left" ]; then
        echo "FAIL: left running after Ctrl+C:"
        echo "$left"
        exit 1
    fi
    echo "ok: $display"
}

# A display standing for a person's desktop: run.sh must use it and leave it running.
n="$(free_display)"
Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do DISPLAY=":$n" xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
run_and_interrupt ":$n" ":$n"
kill -0 "$xvfb" || { echo "FAIL: run.sh ended the desktop's display"; exit 1; }
kill "$xvfb"
xvfb=""

# No desktop: run.sh makes the virtual screen, and ends it too.
n="$(free_display)"
run_and_interrupt "" ":$n"
if pgrep -f "^Xvfb :$n " >/dev/null; then
    echo "FAIL: the virtual screen :$n is still running"
    exit 1
fi
