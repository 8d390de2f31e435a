#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it in the folder with its sounds and help.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh default
cd build/run
exec ../src/app/banzuri "$@"
