#!/usr/bin/env bash
# Runs every test: the portable core natively (sanitizers), the fuzz corpus
# replay, and the Windows-side and end-to-end tests of the 32-bit and 64-bit
# builds under Wine on a private X display. Installs what is missing first.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

scripts/setup.sh
for flavour in native fuzz i686 x86_64; do
  echo "== building $flavour"
  scripts/build.sh "$flavour" | tail -n 1
done

source scripts/wine-env.sh
wine_env_up "$root/build"
trap wine_env_down EXIT

passed=0
failed=0
status=0
for flavour in native fuzz i686 x86_64; do
  echo "== testing $flavour"
  log="$root/build/$flavour/ctest.log"
  if ctest --test-dir "build/$flavour" --output-on-failure --timeout 600 | tee "$log"; then :; else status=1; fi
  summary="$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" || true)"
  if [ -z "$summary" ]; then
    status=1
    continue
  fi
  total="$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$summary")"
  bad="$(sed -E 's/.*passed, ([0-9]+) tests failed.*/\1/' <<<"$summary")"
  passed=$((passed + total - bad))
  failed=$((failed + bad))
done

echo
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$status" -eq 0 ]
