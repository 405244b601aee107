#!/usr/bin/env bash
# Start-up benchmark under Wine: the time from process start until the main
# window is visible and its panel filled, for Ventaro.exe against a bare Win32
# window built with the same flags; then the stripped sizes and the DLLs
# Ventaro.exe imports.
#
#   bash scripts/bench.sh [RUNS]     (default 15, after 2 warm-up runs each)
#
# Targets: a ratio of at most 1.2 and a stripped Ventaro.exe of at most 1.5 MB.
set -euo pipefail
source "$(dirname "$0")/common.sh"

runs=${1:-15}
build="$VENTARO_ROOT/build/bench-mingw64"
prefix="$VENTARO_ROOT/build/wine/bench"

ensure_packages
cd "$VENTARO_ROOT"
mkdir -p build
# A build folder of its own, so that it does not race other builds.
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$VENTARO_ROOT/cmake/toolchain-mingw64.cmake" \
    -DVENTARO_TESTS=OFF >"$build.configure.log" 2>&1 || { cat "$build.configure.log"; exit 1; }
cmake --build "$build" -j2 --target Ventaro bare_window startup_bench >/dev/null

cleanup() {
    [ -n "${WINEPREFIX:-}" ] && "$WINESERVER" -k 2>/dev/null
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null
    rm -rf "$prefix" "$build/stripped"
    true
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ] || [ -n "${CI:-}" ]; then
    start_display
fi
echo "Preparing a Wine prefix in $prefix"
make_prefix "$prefix"
set_wine_version winxp
# One persistent server, so that no start pays for launching it.
"$WINESERVER" -p || true
"$WINE" cmd /c exit >/dev/null 2>&1 || true

cd "$build"
"$WINE" startup_bench.exe --warmup 2 "$runs" Ventaro.exe TVentaro bare_window.exe BareWindow | tr -d '\r' \
    | tee "$build/bench.log" || echo "startup_bench reported a failure"

ventaro=$(sed -n 's/^median Ventaro.exe: \([0-9.]*\) ms.*/\1/p' "$build/bench.log")
bare=$(sed -n 's/^median bare_window.exe: \([0-9.]*\) ms.*/\1/p' "$build/bench.log")
echo
if [ -n "$ventaro" ] && [ -n "$bare" ]; then
    awk -v v="$ventaro" -v b="$bare" 'BEGIN {
        r = v / b
        printf "Start-up median: Ventaro.exe %.1f ms, bare window %.1f ms, ratio %.2f (target at most 1.20: %s)\n",
            v, b, r, r <= 1.2 ? "met" : "missed"
    }'
else
    echo "Start-up: no median (see the runs above)"
fi

mkdir -p stripped
for exe in Ventaro.exe bare_window.exe; do
    x86_64-w64-mingw32-strip -o "stripped/$exe" "$exe"
done
size=$(stat -c %s stripped/Ventaro.exe)
bare_size=$(stat -c %s stripped/bare_window.exe)
awk -v s="$size" -v b="$bare_size" 'BEGIN {
    printf "Stripped size: Ventaro.exe %d bytes (%.2f MB, target at most 1.5 MB: %s), bare_window.exe %d bytes (%.2f MB)\n",
        s, s / 1048576, s <= 1.5 * 1048576 ? "met" : "missed", b, b / 1048576
}'
echo "DLLs Ventaro.exe imports:"
x86_64-w64-mingw32-objdump -p Ventaro.exe | grep 'DLL Name' | sed 's/^[[:space:]]*DLL Name: /  /'
