#!/usr/bin/env bash
# Prints the shadow rebuild figures: the pixel work natively, and the whole rebuild through the system under
# Wine in a private X server.   bash bench/shadowbench.sh
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../tools/env.sh"

bash "$SINOSHIFT_ROOT/tools/build.sh" >/dev/null
"$SINOSHIFT_BUILD/native/bin/shadowbench"
start_private_display
trap 'wineserver -k 2>/dev/null || true; stop_private_display' EXIT
wine "$SINOSHIFT_BUILD/win32/bin/shadowbench_win.exe"
