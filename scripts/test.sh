#!/usr/bin/env bash
# Builds Ventaro natively and with mingw-w64 (x86_64 and i686), runs the
# native tests, then the cross-built tests under Wine in a throwaway prefix,
# and ends with one summary line.
set -uo pipefail
source "$(dirname "$0")/common.sh"

ensure_packages || exit 1
cd "$VENTARO_ROOT"
mkdir -p build

passed=0
failed=0
# Adds one ctest run's counts to the totals.
count() {
    local log=$1 total fails
    total=$(sed -n 's/.*tests failed out of \([0-9]*\).*/\1/p' "$log" | tail -1)
    fails=$(sed -n 's/.* \([0-9]*\) tests failed out of.*/\1/p' "$log" | tail -1)
    if [ -z "$total" ]; then
        failed=$((failed + 1)) # the runner itself did not finish
        return
    fi
    passed=$((passed + total - fails))
    failed=$((failed + fails))
}

cleanup() {
    [ -n "${WINEPREFIX:-}" ] && "$WINESERVER" -k 2>/dev/null
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null
    rm -rf "$VENTARO_ROOT/build/wine/prefix"
    true
}
trap cleanup EXIT

echo "== native build and tests"
if build_flavour native; then
    (cd build/native && ctest --output-on-failure -j2) 2>&1 | tee build/native-ctest.log | grep -v '^ *Start\|Passed' || true
    count build/native-ctest.log
else
    failed=$((failed + 1))
fi

echo "== mingw-w64 builds (i686, x86_64)"
build_flavour mingw32 || failed=$((failed + 1))
if build_flavour mingw64; then
    echo "== tests under Wine"
    start_display || exit 1
    make_prefix "$VENTARO_ROOT/build/wine/prefix"
    "$WINESERVER" -p # one persistent server, or every test pays for starting one
    "$WINE" cmd /c exit >/dev/null 2>&1
    (cd build/mingw64 && ctest --output-on-failure) 2>&1 | tee build/wine-ctest.log | grep -v '^ *Start' || true
    count build/wine-ctest.log
else
    failed=$((failed + 1))
fi

echo "Summary: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
