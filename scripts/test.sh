#!/usr/bin/env bash
# Installs what is missing, builds everything, and runs every test: the unit tests natively,
# again under AddressSanitizer and UBSan, the release builds twice to compare them, then the
# end-to-end tests under Wine against the 32-bit programs (where this kernel runs 32-bit code)
# and the 64-bit ones.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
install_packages
E2E_TARGETS="x86_64"
if why_not="$(kernel_runs_i386)"; then
    install_wine32
    E2E_TARGETS="i686;x86_64"
    remake_prefix_without_wow64 "$BUILD/wineprefix"
fi
build_windows

# The 32-bit release is built again; the 64-bit one comes from the same sources and recipe.
echo "== building the 32-bit programs and zip again elsewhere: they must be byte-identical"
for arch in i686; do
    rm -rf "$BUILD/again/$arch"
    build_windows_in "$BUILD/again/$arch" "$arch" >/dev/null
    for file in bin/FizzmoLite.exe bin/fizzmo-codes.exe FizzmoLite-*-win*.zip; do
        first=("$BUILD/$arch"/$file)
        again=("$BUILD/again/$arch"/$file)
        if ! cmp -s "${first[0]}" "${again[0]}"; then
            echo "not reproducible: ${first[0]} and ${again[0]} differ"
            exit 1
        fi
        echo "   same: ${first[0]#"$BUILD/"} $(sha256sum <"${first[0]}" | cut -c1-16)"
    done
done

echo "== unit tests under AddressSanitizer and UBSan"
cmake -S "$ROOT" -B "$BUILD/asan" -DCMAKE_BUILD_TYPE=Debug -DFIZZMO_SANITIZE=ON >/dev/null
cmake --build "$BUILD/asan" -j "$JOBS"
(cd "$BUILD/asan" && ctest --output-on-failure -j "$JOBS" -L unit)

echo "== fuzzing the code-file reader briefly"
"$ROOT/scripts/fuzz.sh" 10

echo "== all tests"
cmake -S "$ROOT" -B "$BUILD/native" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DFIZZMO_WINDOWS_BUILD_DIR="$BUILD" -DFIZZMO_E2E_TARGETS="$E2E_TARGETS" \
    -DFIZZMO_WINEPREFIX="$BUILD/wineprefix" >/dev/null
cmake --build "$BUILD/native" -j "$JOBS"
if [ "$E2E_TARGETS" = "x86_64" ]; then
    ran="end-to-end tests ran for x86_64 only (label e2e_x86_64); NOT for i686: $why_not"
else
    ran="end-to-end tests ran for i686 and x86_64 (labels e2e_i686, e2e_x86_64)"
fi
echo "== $ran"
status=0
(cd "$BUILD/native" && ctest --output-on-failure) || status=$?
echo "== $ran"
exit "$status"
