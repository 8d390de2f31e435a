#!/usr/bin/env bash
# The game's start against a bare Qt window, on a private X server (Xvfb) without a window
# manager: see bench/start_bench.cpp for what is measured.
# Needs: apt-get install xvfb x11-utils
# Usage: bash bench/start_bench.sh [RUNS] [BUILD]   (RUNS of each, default 7; BUILD default build)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-7}
build=$(realpath "${2:-build}")
for tool in Xvfb xdpyinfo; do
    command -v "$tool" >/dev/null || { echo "start_bench: $tool is missing" >&2; exit 2; }
done
work=$(mktemp -d)
display=":$((90 + RANDOM % 100))"
cleanup() { kill "${server:-}" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
Xvfb "$display" -screen 0 1280x1024x24 -br >/dev/null 2>&1 &
server=$!
for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done
export DISPLAY=$display HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_STATE_HOME=$work/state
mkdir -p "$HOME"
"$build/bench/bench_start_bench" "$build/src/app/banzuri" "$build/bench/bench_bare_window" "$runs"
