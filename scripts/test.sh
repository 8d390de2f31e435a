#!/usr/bin/env bash
# Installs what is missing, checks the formatting, then builds and runs every test twice:
# a plain build and an AddressSanitizer + UndefinedBehaviorSanitizer build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/check-format.sh
for preset in default asan; do
  echo "== $preset build =="
  bash scripts/build.sh "$preset"
  ctest --preset "$preset" -j "$(nproc)"
done
