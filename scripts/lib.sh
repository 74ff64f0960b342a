# Shared by the scripts: the repository's root and the tools the build needs.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${FIZZMO_BUILD_DIR:-$ROOT/build}"
JOBS="$(nproc 2>/dev/null || echo 2)"

PACKAGES=(cmake make g++ clang libclang-rt-14-dev googletest libgtest-dev
          g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
          wine64 xvfb xdotool imagemagick x11-utils fonts-liberation strip-nondeterminism
          unzip libx11-dev libxfixes-dev libxext-dev libxtst-dev zlib1g-dev)

# Wine's own programs, as Debian installs them: WINE (64-bit, which starts 32-bit programs too
# where wine32 is there) and WINESERVER.
find_wine() {
    WINE=/usr/lib/wine/wine64
    WINESERVER=""
    local candidate
    for candidate in /usr/lib/wine/wineserver64 /usr/lib/wine/wineserver /usr/bin/wineserver; do
        if [ -x "$candidate" ]; then
            WINESERVER="$candidate"
            break
        fi
    done
    [ -x "$WINE" ] && [ -n "$WINESERVER" ] || { echo "no Wine found under /usr/lib/wine" >&2; return 1; }
}

# The package names above are Debian 12's (bookworm): clang 14's runtime, for one.
install_packages() {
    local release
    release="$(. /etc/os-release 2>/dev/null && echo "${ID:-}/${VERSION_ID:-}")" || true
    if [ "$release" != "debian/12" ]; then
        echo "== note: these scripts are made for Debian 12 (bookworm), not ${release:-this system}"
    fi
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "== installing (a few minutes the first time): ${missing[*]}"
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq
        apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
    fi
}

# Whether this kernel runs 32-bit x86 programs, so that the 32-bit Wine can. Prints why not.
kernel_runs_i386() {
    local config=""
    if [ -r /proc/config.gz ]; then
        config="$(zcat /proc/config.gz)"
    elif [ -r "/boot/config-$(uname -r)" ]; then
        config="$(cat "/boot/config-$(uname -r)")"
    fi
    if [ -n "$config" ] && ! grep -q '^CONFIG_IA32_EMULATION=y' <<<"$config"; then
        echo "the kernel is built without CONFIG_IA32_EMULATION"
        return 1
    fi
    # Built in but possibly off at boot (ia32_emulation=0): only running one tells for sure.
    local probe
    probe="$(mktemp -d)"
    printf '.globl _start\n_start: movl $1, %%eax\n movl $42, %%ebx\n int $0x80\n' >"$probe/p.s"
    local status=0
    if as --32 -o "$probe/p.o" "$probe/p.s" && ld -m elf_i386 -o "$probe/p" "$probe/p.o"; then
        "$probe/p" 2>/dev/null || status=$?
    fi
    rm -rf "$probe"
    if [ "$status" != 42 ]; then
        echo "the kernel does not run 32-bit x86 programs (a tiny i386 program did not run)"
        return 1
    fi
}

# Debian's 32-bit Wine, the same version as wine64, so that the i686 programs run.
install_wine32() {
    local version
    version="$(dpkg-query -W -f='${Version}' wine64)"
    if [ "$(dpkg-query -W -f='${Status} ${Version}' wine32:i386 2>/dev/null)" = \
         "install ok installed $version" ]; then
        return
    fi
    echo "== installing: wine32:i386 $version"
    export DEBIAN_FRONTEND=noninteractive
    dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "wine32:i386=$version" >/dev/null
}

# A prefix made while only the 64-bit Wine was there has no 32-bit system: 32-bit programs then
# fail to load kernel32.dll. Such a prefix is made anew.
remake_prefix_without_wow64() {
    local prefix="$1"
    if [ -f "$prefix/system.reg" ] && [ ! -f "$prefix/drive_c/windows/syswow64/kernel32.dll" ]; then
        echo "== the Wine prefix $prefix has no 32-bit system: making it anew"
        rm -rf "$prefix"
    fi
}

# One Windows build with its release zip: build_windows_in FOLDER ARCH.
build_windows_in() {
    cmake -S "$ROOT" -B "$1" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-$2.cmake" \
        -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
    cmake --build "$1" -j "$JOBS" --target package
}

# The Windows programs and release zips, 32-bit (the target) and 64-bit.
build_windows() {
    for arch in i686 x86_64; do
        echo "== building Windows $arch"
        build_windows_in "$BUILD/$arch" "$arch"
    done
}
