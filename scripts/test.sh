#!/usr/bin/env bash
# Installs what is missing, checks the formatting, then builds and runs every test in four
# builds: the plain one (from which the Debian package is made and checked), an optimised
# release build, a clang build and an AddressSanitizer + UndefinedBehaviorSanitizer build.
# Warnings are errors in all of them.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh --test
bash scripts/check-format.sh
for preset in default release clang asan; do
  echo "== $preset build =="
  bash scripts/build.sh "$preset"
  ctest --preset "$preset" -j "$(nproc)"
  if [[ "$preset" == default ]]; then
    echo "== Debian package =="
    bash scripts/package.sh
  fi
done
