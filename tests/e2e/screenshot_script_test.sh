#!/usr/bin/env bash
# scripts/screenshot.sh makes its picture, with the palette open in it (some 15,000 pixels of
# its green; the launcher alone has about a thousand) and the first picture's code, ":)", typed
# into the stand-in messenger.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
OUT="$(mktemp -d)"
trap 'rm -rf "$OUT"' EXIT
rm -f /tmp/fizzmo-shot.log
"$ROOT/scripts/screenshot.sh" "$OUT/shot.png"
grep -q 'WM_CHAR .*kind=input .*wParam=58 ' /tmp/fizzmo-shot.log &&
    grep -q 'WM_CHAR .*kind=input .*wParam=41 ' /tmp/fizzmo-shot.log ||
    { echo "no :) reached the stand-in"; exit 1; }
green="$(convert "$OUT/shot.png" -fill black +opaque 'rgb(0,128,0)' -fill white -opaque 'rgb(0,128,0)' \
    -format '%[fx:int(mean*w*h)]' info:)"
echo "palette green pixels: $green"
[ "$green" -gt 15000 ] || { echo "no open palette in the picture"; exit 1; }
