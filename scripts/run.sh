#!/usr/bin/env bash
# Builds Ventaro.exe and starts it under Wine, in a prefix of its own that
# stands for a fresh Windows XP machine (another version with --windows).
#
#   bash scripts/run.sh [--windows 95|98|ME|NT4|2000|XP]
#
# On the user's display it runs until closed. Without one it runs on a
# virtual display, saves a screenshot of the window and closes it again.
set -euo pipefail
source "$(dirname "$0")/common.sh"

windows=XP
while [ $# -gt 0 ]; do
    case "$1" in
        --windows) windows=${2:-}; shift 2 ;;
        *) echo "usage: $0 [--windows 95|98|ME|NT4|2000|XP]" >&2; exit 2 ;;
    esac
done
case "${windows^^}" in
    95) wine_version=win95 ;; 98) wine_version=win98 ;; ME) wine_version=winme ;;
    NT4|NT) wine_version=nt40 ;; 2000) wine_version=win2k ;; XP) wine_version=winxp ;;
    *) echo "Unknown Windows version: $windows" >&2; exit 2 ;;
esac

ensure_packages
cd "$VENTARO_ROOT"
mkdir -p build
build_flavour app >/dev/null

prefix="$VENTARO_ROOT/build/wine/run-$wine_version"
echo "Preparing a fresh Windows $windows prefix in $prefix"
make_prefix "$prefix"
set_wine_version "$wine_version"

exe="$VENTARO_ROOT/build/app/Ventaro.exe"
if [ -n "${DISPLAY:-}" ] && [ -z "${CI:-}" ]; then
    cd "$VENTARO_ROOT/build/app"
    exec "$WINE" "$exe"
fi

start_display
trap '"$WINESERVER" -k 2>/dev/null; kill "$XVFB_PID" 2>/dev/null; true' EXIT
cd "$VENTARO_ROOT/build/app"
"$WINE" "$exe" &
sleep 6
shot="$VENTARO_ROOT/build/screenshot.png"
import -window root "$shot"
echo "Screenshot of the first start (the notice over the main window's place): $shot"
"$WINESERVER" -k 2>/dev/null || true
# A second start: the notice has been shown, so the main window itself.
"$WINE" reg add 'HKCU\SOFTWARE\Ventaro' /v FirstUse /d 0 /f >/dev/null 2>&1
"$WINE" "$exe" &
sleep 6
shot="$VENTARO_ROOT/build/screenshot-main.png"
import -window root -crop 612x384+206+192 +repage "$shot"
echo "Screenshot of the main window: $shot"
