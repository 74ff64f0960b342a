#!/usr/bin/env bash
# The Windows fizzmo-codes.exe stays small and runs wherever FizzmoLite does: under 300 KiB,
# and importing only what windows_imports.txt allows.
#   check_windows_exe.sh EXE OBJDUMP
# Exits 77 (skipped) when EXE has not been built.
set -euo pipefail
export LC_ALL=C
exe="$1"
objdump="$2"
allowed="$(dirname "${BASH_SOURCE[0]}")/windows_imports.txt"
max_kib=300

if [ ! -f "$exe" ]; then
    echo "skipped: $exe has not been built"
    exit 77
fi
status=0
bytes="$(stat -c %s "$exe")"
echo "$exe: $((bytes / 1024)) KiB ($bytes bytes)"
if [ "$bytes" -ge $((max_kib * 1024)) ]; then
    echo "FAIL: $((bytes / 1024)) KiB, the limit is under $max_kib KiB"
    status=1
fi

# objdump -p lists each DLL's imports under its "DLL Name:" line, one "vma hint name" a line,
# until the next part of its output, whose title starts a line.
imports="$("$objdump" -p "$exe" | awk '
    /^[A-Z]/ { dll = "" }
    /^\tDLL Name: / { dll = tolower($3) }
    dll != "" && /^\t[0-9a-f]+\t +[0-9]+ +[^ ]+$/ { print dll, $3 }')"
if [ -z "$imports" ]; then
    echo "FAIL: $objdump found no imports in $exe"
    exit 1
fi
unexpected="$(grep -v '^#' "$allowed" | awk '{ print tolower($1), $2 }' | sort -u |
    comm -13 - <(sort -u <<<"$imports"))"
if [ -n "$unexpected" ]; then
    echo "FAIL: imports that windows_imports.txt does not allow:"
    sed 's/^/    /' <<<"$unexpected"
    status=1
fi
[ "$status" != 0 ] || echo "ok: $(wc -l <<<"$imports") imports, all allowed"
exit "$status"
