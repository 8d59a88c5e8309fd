# Shared by scripts/run and scripts/test: packages, builds, the private Wine
# prefix and the X display. Sourced, not run.
set -euo pipefail

VELMORA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${VELMORA_BUILD:-$VELMORA_ROOT/build}

velmora_packages() {
    echo cmake ninja-build g++ libgtest-dev googletest \
        g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686 \
        wine wine64 wine32:i386 fonts-wine xvfb xauth x11-utils imagemagick \
        clang-14 libclang-rt-14-dev qemu-user-static \
        python3 mtools dosfstools unzip
}

# Installs what is missing (as root), or says exactly what to run.
velmora_install() {
    local missing=() p
    for p in $(velmora_packages); do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local cmd="dpkg --add-architecture i386 && apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends ${missing[*]}"
    if [ "$(id -u)" -ne 0 ]; then
        echo "Velmora needs these packages: ${missing[*]}" >&2
        echo "Run as root:  $cmd" >&2
        exit 1
    fi
    echo "Installing: ${missing[*]}"
    dpkg --add-architecture i386
    apt-get update -q
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# Whether this kernel runs 32-bit processes (some virtual machines' do not).
# While another run's emulator registration stands, Wine's 32-bit loader runs
# under it and would answer for the kernel; a registration is only made where
# the kernel runs none.
velmora_runs_i386() {
    [ -e "$VELMORA_BINFMT/$VELMORA_BINFMT_NAME" ] && return 1
    /usr/lib/wine/wine --version >/dev/null 2>&1
}

# The architecture the program runs as under Wine here: i686, as on the real
# machine, wherever this kernel runs 32-bit processes; otherwise the same
# sources built for x86_64 under 64-bit Wine. VELMORA_ARCH overrides.
velmora_arch() {
    if [ -n "${VELMORA_ARCH:-}" ]; then
        echo "$VELMORA_ARCH"
    elif velmora_runs_i386; then
        echo i686
    else
        echo x86_64
    fi
}

# Where the kernel runs no 32-bit processes, Debian's qemu-user-static runs
# them under emulation: registered with binfmt_misc for this run only (as
# root), and removed by velmora_unemulate_i386. A registration of that name
# that was there before is used and left in place.
VELMORA_BINFMT=/proc/sys/fs/binfmt_misc
VELMORA_BINFMT_NAME=velmora-i386
VELMORA_BINFMT_MOUNTED=
VELMORA_BINFMT_OURS=
velmora_emulate_i386() {
    if [ "$(id -u)" -ne 0 ]; then
        echo "registering the i386 emulator with binfmt_misc needs root" >&2
        return 1
    fi
    if [ ! -e "$VELMORA_BINFMT/register" ]; then
        mount -t binfmt_misc binfmt_misc "$VELMORA_BINFMT" || return 1
        VELMORA_BINFMT_MOUNTED=1
    fi
    [ -e "$VELMORA_BINFMT/$VELMORA_BINFMT_NAME" ] && return 0
    # i386 ELF executables and shared objects, the interpreter opened at
    # registration (F) so that it serves inside any mount namespace too.
    echo ":$VELMORA_BINFMT_NAME:M::"'\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'":/usr/bin/qemu-i386-static:F" \
        >"$VELMORA_BINFMT/register" || return 1
    VELMORA_BINFMT_OURS=1
}
velmora_unemulate_i386() {
    if [ -n "$VELMORA_BINFMT_OURS" ] && [ -e "$VELMORA_BINFMT/$VELMORA_BINFMT_NAME" ]; then
        echo -1 >"$VELMORA_BINFMT/$VELMORA_BINFMT_NAME"
    fi
    VELMORA_BINFMT_OURS=
    [ -n "$VELMORA_BINFMT_MOUNTED" ] && umount "$VELMORA_BINFMT" 2>/dev/null
    VELMORA_BINFMT_MOUNTED=
}

velmora_build_native() {  # folder, extra cmake arguments...
    local dir=$1
    shift
    cmake -S "$VELMORA_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELMORA_FUZZ_KEPT="$BUILD/fuzz/corpus" "$@" >/dev/null
    cmake --build "$dir"
}

velmora_build_cross() {  # arch[, folder (default build/<arch>), what cmake --build builds...]
    local arch=$1 dir=${2:-$BUILD/$1}
    shift $(($# < 2 ? $# : 2))
    cmake -S "$VELMORA_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel \
        -DCMAKE_TOOLCHAIN_FILE="$VELMORA_ROOT/cmake/mingw-$arch.cmake" >/dev/null
    cmake --build "$dir" "$@"
}

# A win32 prefix for i686; otherwise a win64 one, whose 32-bit half also runs
# i686 programs wherever the 32-bit loader runs (as under emulation).
velmora_wine_env() {  # arch, prefix
    export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEPREFIX=$2
    if [ "$1" = i686 ]; then
        export WINEARCH=win32 WINE=/usr/lib/wine/wine
        unset WINELOADER
    else
        export WINEARCH=win64 WINE=/usr/lib/wine/wine64 WINELOADER=/usr/lib/wine/wine64
    fi
}

# A fresh prefix set up as the program's machine looks: Wine's own fonts
# (the bitmap "MS Sans Serif" among them, which Wine otherwise replaces with
# a wider outline font) in the Windows font folder, and every window inside
# one virtual desktop, so that Wine draws the frames itself and a screenshot
# shows them as Windows would.
velmora_new_prefix() {
    rm -rf "$WINEPREFIX"
    mkdir -p "$(dirname "$WINEPREFIX")"
    "$WINE" wineboot -i >/dev/null 2>&1 || return 1
    wineserver -w
    cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" || return 1
    velmora_regedit "$VELMORA_ROOT/scripts/wine-desktop.reg"
}

# Makes the prefix report a Windows version. 64-bit winecfg offers only NT
# versions (no win98); where it refuses, the value it would write is set
# directly, which Wine honours for 64-bit programs too.
velmora_prefix_windows() {  # version, as winecfg names it
    if ! "$WINE" winecfg -v "$1" >/dev/null 2>&1; then
        echo "note: this Wine's winecfg refuses $1; setting HKCU\\Software\\Wine Version=$1 itself"
        "$WINE" reg add 'HKCU\Software\Wine' /v Version /t REG_SZ /d "$1" /f >/dev/null 2>&1
    fi
    wineserver -w
}

# The screen DPI Wine reports (Windows' LogPixels; HKCU "Control Panel\Desktop"
# would override it, and a new prefix has none there).
velmora_prefix_dpi() {  # dots per inch
    "$WINE" reg add 'HKCC\Software\Fonts' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
    wineserver -w
}

velmora_regedit() {  # file.reg: imported into the prefix by Wine's own regedit
    "$WINE" regedit /S "$(winepath_of "$1")" >/dev/null 2>&1
    wineserver -w
}

winepath_of() { echo "Z:${1//\//\\}"; }

# Starts a private X server unless one is given; sets DISPLAY.
VELMORA_XVFB_PID=
velmora_xvfb() {
    local n=${VELMORA_XVFB_DISPLAY:-91}
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    VELMORA_XVFB_PID=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 50); do
        [ -e "/tmp/.X11-unix/X$n" ] && return 0
        sleep 0.1
    done
    echo "Xvfb did not start" >&2
    return 1
}

# Stops only what this script started: its own prefix's server and X
# server, and its emulator registration.
velmora_cleanup() {
    [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ] && wineserver -k 2>/dev/null || true
    [ -n "$VELMORA_XVFB_PID" ] && kill "$VELMORA_XVFB_PID" 2>/dev/null || true
    velmora_unemulate_i386
}
