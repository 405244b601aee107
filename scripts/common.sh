# Shared by the run and test commands: tools, packages and the Wine set-up.
# Sourced, not run.

VENTARO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver

# Installs what a fresh Debian machine lacks; apt-get update runs once, and
# only when something is missing.
ensure_packages() {
    local -A need=(
        [cmake]=cmake [ninja]=ninja-build [g++]=g++
        [x86_64-w64-mingw32-g++-posix]=g++-mingw-w64-x86-64-posix
        [i686-w64-mingw32-g++-posix]=g++-mingw-w64-i686-posix
        [x86_64-w64-mingw32-windres]=binutils-mingw-w64-x86-64
        [Xvfb]=xvfb [chmcmd]=fp-utils [convert]=imagemagick [python3]=python3
    )
    local missing=() cmd
    for cmd in "${!need[@]}"; do
        command -v "$cmd" >/dev/null 2>&1 || missing+=("${need[$cmd]}")
    done
    [ -x "$WINE" ] || missing+=(wine64)
    [ -f /usr/src/googletest/CMakeLists.txt ] || missing+=(googletest)
    [ -f /usr/include/gtest/gtest.h ] || missing+=(libgtest-dev)
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq
        apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
    fi
}

# Configures and builds one flavour: native, mingw64 or mingw32.
build_flavour() {
    local flavour=$1
    shift
    local dir="$VENTARO_ROOT/build/$flavour" args=()
    case "$flavour" in
        mingw64) args=(-DCMAKE_TOOLCHAIN_FILE="$VENTARO_ROOT/cmake/toolchain-mingw64.cmake" -DVENTARO_WINE="$WINE") ;;
        mingw32) args=(-DCMAKE_TOOLCHAIN_FILE="$VENTARO_ROOT/cmake/toolchain-mingw32.cmake" -DVENTARO_TESTS=OFF) ;;
        # The program alone, for the run command: a folder of its own, so
        # that it never reconfigures the test build.
        app) args=(-DCMAKE_TOOLCHAIN_FILE="$VENTARO_ROOT/cmake/toolchain-mingw64.cmake" -DVENTARO_TESTS=OFF) ;;
    esac
    cmake -S "$VENTARO_ROOT" -B "$dir" -G Ninja "${args[@]}" "$@" >"$dir.configure.log" 2>&1 \
        || { cat "$dir.configure.log"; return 1; }
    cmake --build "$dir" -j2
}

# A fresh Wine prefix of our own; quiet, without the Mono and Gecko prompts.
wine_env() {
    export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
}

make_prefix() {
    wine_env "$1"
    rm -rf "$1"
    mkdir -p "$(dirname "$1")"
    "$WINE" wineboot -i >/dev/null 2>&1
    # Wine's own fonts, or captions draw with missing glyphs.
    cp /usr/share/wine/fonts/* "$1/drive_c/windows/Fonts/" 2>/dev/null || true
    # A virtual desktop draws real frames and title bars, and closing windows
    # costs nothing without a window manager.
    "$WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    "$WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
    "$WINESERVER" -w
}

# Starts a virtual X display of our own and exports DISPLAY; XVFB_PID is set.
start_display() {
    local n
    for n in $(seq 91 120); do
        [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
        XVFB_PID=$!
        sleep 1
        if kill -0 "$XVFB_PID" 2>/dev/null; then
            export DISPLAY=":$n"
            return 0
        fi
    done
    echo "No virtual display could be started" >&2
    return 1
}

# Sets the Windows version Wine reports to Ventaro.exe (win95 ... winxp, win7).
set_wine_version() {
    "$WINE" reg add 'HKCU\Software\Wine\AppDefaults\Ventaro.exe' /v Version /d "$1" /f >/dev/null 2>&1
}
