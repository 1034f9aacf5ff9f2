#!/usr/bin/env bash
# Prints the benchmark figures, each against its floor in one run under the
# same Wine: start-up to a visible window and peak working set against a bare
# one-window program, the cost of one press against the bare cursor calls,
# and an end-to-end burst of presses.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
scripts/setup.sh
scripts/build.sh i686 | tail -n 1
source scripts/wine-env.sh
wine_env_up "$root/build"
trap wine_env_down EXIT
b="$root/build/i686"
winpath() { echo "Z:${1//\//\\}"; }
echo "== start-up"
wine "$b/bench/startup_bench.exe" "$(winpath "$b/Tarnwick.exe")" "$(winpath "$b/bench/bare_window.exe")" 11
echo "== press"
wine "$b/bench/press_bench.exe"
echo "== burst"
TARNWICK_EXE="$b/Tarnwick.exe" TARNWICK_PROBE="$b/tests/win/ui_probe.exe" TARNWICK_BUILD="$b" python3 bench/burst.py
