# Shared by the scripts: the repository's root and the tools the build needs.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${FIZZMO_BUILD_DIR:-$ROOT/build}"
JOBS="$(nproc 2>/dev/null || echo 2)"

PACKAGES=(cmake make g++ clang libclang-rt-14-dev googletest libgtest-dev
          g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
          wine64 xvfb xdotool imagemagick x11-utils fonts-liberation libx11-dev libxfixes-dev)

install_packages() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "== installing: ${missing[*]}"
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq
        apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
    fi
}

# The Windows programs, 64-bit (run under Wine) and 32-bit (the target; built, never run here).
build_windows() {
    for arch in x86_64 i686; do
        echo "== building Windows $arch"
        cmake -S "$ROOT" -B "$BUILD/$arch" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-$arch.cmake" \
            -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
        cmake --build "$BUILD/$arch" -j "$JOBS"
    done
}
