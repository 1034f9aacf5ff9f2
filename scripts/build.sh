#!/usr/bin/env bash
# Configures and builds one flavour into build/FLAVOUR:
#   native   the portable core and its tests, with sanitizers
#   fuzz     the fuzz targets (clang) and the replay of their corpus
#   i686     Tarnwick.exe (the release target) and the Windows-side tests
#   x86_64   the same for 64-bit Windows
# Extra arguments go to the build (for example: --target Tarnwick).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
flavour="$1"
shift
dir="$root/build/$flavour"
case "$flavour" in
  native) args=() ;;
  fuzz) args=(-DCMAKE_CXX_COMPILER=clang++-14 -DTARNWICK_FUZZ=ON) ;;
  i686 | x86_64) args=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$flavour.cmake") ;;
  *) echo "unknown flavour: $flavour" >&2; exit 2 ;;
esac
if [ ! -f "$dir/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "${args[@]}" >/dev/null
fi
cmake --build "$dir" "$@"
