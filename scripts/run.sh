#!/usr/bin/env bash
# Builds Tarnwick.exe and runs it under Wine. With a display ($DISPLAY) the
# window opens there and this waits until it is closed. Without one, a short
# headless demonstration runs on a private X server: the window is shown,
# photographed, nudged with the arrow keys, and closed with Esc.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

scripts/setup.sh
scripts/build.sh i686 --target Tarnwick ui_probe | tail -n 1
exe="$root/build/i686/Tarnwick.exe"

source scripts/wine-env.sh
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  wine_env_up "$root/build" use-display
  trap wine_env_down EXIT
  set +e
  wine "$exe"
  code=$?
  set -e
  echo "Tarnwick exited with code $code"
  exit "$code"
fi

unset DISPLAY
wine_env_up "$root/build"
trap wine_env_down EXIT
TARNWICK_EXE="$exe" TARNWICK_PROBE="$root/build/i686/tests/win/ui_probe.exe" TARNWICK_BUILD="$root/build" \
  python3 "$root/scripts/demo.py"
