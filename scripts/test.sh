#!/usr/bin/env bash
# Installs what is missing, builds everything, and runs every test: the unit tests natively,
# again under AddressSanitizer and UBSan, then the end-to-end tests under Wine.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
install_packages
build_windows

echo "== unit tests under AddressSanitizer and UBSan"
cmake -S "$ROOT" -B "$BUILD/asan" -DCMAKE_BUILD_TYPE=Debug -DFIZZMO_SANITIZE=ON >/dev/null
cmake --build "$BUILD/asan" -j "$JOBS"
(cd "$BUILD/asan" && ctest --output-on-failure -j "$JOBS" -L unit)

echo "== fuzzing the code-file reader briefly"
"$ROOT/scripts/fuzz.sh" 10

echo "== all tests"
cmake -S "$ROOT" -B "$BUILD/native" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DFIZZMO_WIN64_BIN_DIR="$BUILD/x86_64/bin" -DFIZZMO_WINEPREFIX="$BUILD/wineprefix" >/dev/null
cmake --build "$BUILD/native" -j "$JOBS"
cd "$BUILD/native" && ctest --output-on-failure
