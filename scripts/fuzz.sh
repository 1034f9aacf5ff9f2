#!/usr/bin/env bash
# Fuzzes the integer text rules for a while: scripts/fuzz.sh [SECONDS] [TARGET]
# TARGET is text_to_integer or normalise_integer_input (default: both, each
# for SECONDS, 60 by default). New inputs go to build/fuzz/corpus-TARGET, a
# failing input to build/fuzz/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
targets=("${2:-text_to_integer}")
[ $# -ge 2 ] || targets=(text_to_integer normalise_integer_input)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" fuzz | tail -n 1
for target in "${targets[@]}"; do
  work="$root/build/fuzz/corpus-$target"
  mkdir -p "$work"
  echo "== fuzzing $target for ${seconds}s"
  (cd "$root/build/fuzz" && "./tests/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len=64 \
    "$work" "$root/tests/fuzz/corpus/$target")
done
