#!/usr/bin/env bash
# Installs what is missing, builds Quaderlo and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
install_missing "${QUADERLO_PACKAGES[@]}"
build_quaderlo
export QT_QPA_PLATFORM=offscreen
cd build
ctest --output-on-failure -j"$(nproc)"
