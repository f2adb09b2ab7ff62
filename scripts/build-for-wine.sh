#!/usr/bin/env bash
# Builds TARGET... of the windows preset and prepares its Wine prefix
# (build/windows/wineprefix): what the scripts that run the program under Wine do
# first. Installs what is missing unless WISPANE_SKIP_INSTALL is set.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
[[ -n "${WISPANE_SKIP_INSTALL:-}" ]] || bash "$ROOT/scripts/install-deps.sh"
cmake --preset windows
cmake --build --preset windows --target "$@"
bash "$ROOT/scripts/prepare-wine-prefix.sh" "$ROOT/build/windows/wineprefix"
