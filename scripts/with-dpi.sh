#!/usr/bin/env bash
# Runs a command with the Wine prefix's DPI (LogPixels) set to DPI, then sets
# it back to 96:  scripts/with-dpi.sh DPI COMMAND...
# Each Windows process reads the DPI when it starts.
set -uo pipefail
dpi="$1"
shift
set_dpi() {
  WINEDEBUG=-all wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f \
    </dev/null >/dev/null 2>&1
}
set_dpi "$dpi"
trap 'set_dpi 96' EXIT
"$@"
