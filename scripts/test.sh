#!/usr/bin/env bash
# Installs what is missing, checks the formatting, then builds and runs every test twice:
# a plain build, from which the Debian package is made and checked, and an AddressSanitizer +
# UndefinedBehaviorSanitizer build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh --test
bash scripts/check-format.sh
for preset in default asan; do
  echo "== $preset build =="
  bash scripts/build.sh "$preset"
  ctest --preset "$preset" -j "$(nproc)"
  if [[ "$preset" == default ]]; then
    echo "== Debian package =="
    bash scripts/package.sh
  fi
done
