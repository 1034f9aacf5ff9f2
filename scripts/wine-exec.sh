#!/usr/bin/env bash
# Runs a Windows program under Wine, in the prefix and on the display that the
# environment names (scripts/wine-env.sh sets both up). ctest uses this as
# the cross-compiling emulator; exit codes pass through.
export WINEDEBUG="${WINEDEBUG:--all}"
exec wine "$@"
