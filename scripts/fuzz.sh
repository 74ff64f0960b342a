#!/usr/bin/env bash
# Fuzzes the code-file reader with libFuzzer for a fixed time (seconds, default 20), or for a
# fixed number of runs with FUZZ_RUNS. Prints libFuzzer's final counts.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
SECONDS_TO_RUN="${1:-20}"
OUT="$BUILD/fuzz"
mkdir -p "$OUT/corpus"
cp "$ROOT/resources/codes.dll" "$OUT/corpus/sample" 2>/dev/null || true
cmake -S "$ROOT" -B "$OUT/build" -DFIZZMO_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_C_COMPILER=clang -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$OUT/build" -j "$JOBS" --target catalogue_fuzz >/dev/null
if [ -n "${FUZZ_RUNS:-}" ]; then
    limit=(-runs="$FUZZ_RUNS")
else
    limit=(-max_total_time="$SECONDS_TO_RUN")
fi
"$OUT/build/tests/fuzz/catalogue_fuzz" "${limit[@]}" -max_len=4096 -print_final_stats=1 "$OUT/corpus" 2>"$OUT/fuzz.log" \
    || { tail -40 "$OUT/fuzz.log"; exit 1; }
grep -E "stat::number_of_executed_units|Done" "$OUT/fuzz.log" | tail -2
