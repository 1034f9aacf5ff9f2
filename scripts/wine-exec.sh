#!/usr/bin/env bash
# Runs a Windows program under Wine, in the prefix and on the display that the
# environment names (scripts/wine-env.sh sets both up). ctest uses this as
# the cross-compiling emulator; the exit code passes through.
#
# The program writes to a file, not to the caller's pipe: Wine's helper
# processes inherit the pipe and keep it open for about a second after the
# program has ended.
export WINEDEBUG="${WINEDEBUG:--all}"
out="$(mktemp)"
trap 'rm -f "$out"' EXIT
wine "$@" >"$out" 2>&1 </dev/null
rc=$?
cat "$out"
exit $rc
