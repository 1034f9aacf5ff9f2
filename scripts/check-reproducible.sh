#!/usr/bin/env bash
# Unpacks the embedded source package into an empty folder, builds
# Tarnwick.exe there with the project's own build command, and compares it
# byte for byte with the exe that carried the package.
#   scripts/check-reproducible.sh BUILD_DIR   (a build/i686 folder)
set -euo pipefail
build="$(cd "$1" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
tail -c +9 "$build/source_package.bin" >"$work/package.zip"
mkdir "$work/unpacked"
(cd "$work/unpacked" && unzip -q ../package.zip)
[ ! -e "$work/unpacked/.git" ] || { echo "the package holds a .git folder"; exit 1; }
"$work/unpacked/scripts/build.sh" i686 --target Tarnwick >"$work/build.log" 2>&1 || { cat "$work/build.log"; exit 1; }
if cmp "$build/Tarnwick.exe" "$work/unpacked/build/i686/Tarnwick.exe"; then
  echo "the exe rebuilt from its own source package is byte-identical ($(stat -c %s "$build/Tarnwick.exe") bytes)"
else
  exit 1
fi
