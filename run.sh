#!/usr/bin/env bash
# Installs what is missing, builds Quaderlo and starts it from build/.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
install_missing "${QUADERLO_PACKAGES[@]}"
ensure_italian_locale
build_quaderlo quaderlo quaderlo_data quaderlo_guida
exec ./build/quaderlo "$@"
